#pragma once
// A presentation program kept in memory: slides and shapes with their names, z-order,
// groups, selection and text. It records every call so tests can see what was asked.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/office/host.h"

namespace office::memory {

struct FontData {
    float size = 18;
    bool bold = false;
    bool italic = false;
    std::string nameAscii = "Arial";
    float baselineOffset = 0;
    common::Rgb color = common::kBlack;
    std::string nameFarEast;
    bool operator==(const FontData&) const = default;
};

// A line nobody formats is black and 0.75 pt, as in the presentation program of version 11.
struct LineData {
    common::Rgb color = common::kBlack;
    int dashStyle = dash::Solid;
    float weight = 0.75f;
    bool visible = true;
    int beginStyle = arrow::None, beginLength = arrow::Medium, beginWidth = arrow::Medium;
    int endStyle = arrow::None, endLength = arrow::Medium, endWidth = arrow::Medium;
};

struct FillData {
    common::Rgb color = common::rgb(0x4F, 0x81, 0xBD);
    bool visible = true;
};

struct ShapeData {
    int id = 0;
    std::string name;
    int type = shapetype::AutoShape;
    int autoShapeType = 0;
    float left = 0, top = 0, width = 0, height = 0;
    PointF begin, end;           // lines
    std::vector<PointF> points;  // curves
    LineData line;
    FillData fill;
    bool hasText = false;
    std::u32string text;
    std::vector<FontData> charFonts;                   // one per character of text
    FontData font;                                     // for characters typed later
    float margins[4] = {7.2f, 3.6f, 7.2f, 3.6f};       // left, top, right, bottom
    std::vector<std::shared_ptr<ShapeData>> children;  // a group's shapes
    bool deleted = false;
    bool hidden = false;
    std::string title, description;
    bool equation = false;
    std::string png, svg;
};

struct SlideData {
    std::vector<std::shared_ptr<ShapeData>> shapes;  // back to front
};

// The state of the whole presentation program: one presentation, its slides, the
// selected slide of the active window, the selection and the clipboard.
struct ProgramState {
    bool running = true;  // an instance that attach() finds
    bool hasPresentation = true;
    float slideWidth = 720, slideHeight = 540;
    std::vector<SlideData> slides = std::vector<SlideData>(1);
    int currentSlide = 0;  // 0-based
    int nextId = 2;
    std::vector<std::shared_ptr<ShapeData>> selected;
    // Characters chosen by TextRange.Select in the one selected shape: first index, count.
    std::optional<std::pair<int, int>> selectedText;
    std::vector<ShapeData> clipboard;  // what Paste puts on the slide
    std::vector<std::string> calls;
    int saves = 0;
    // A test's choice of the calls the program refuses, as a real one may refuse any:
    // the call is recorded and throws HostError. Most calls are recorded before they
    // change anything; Range.Group is recorded with the group already made.
    std::function<bool(const std::string& call)> refuses;

    SlideData& slide();
    void log(std::string call);
};

std::unique_ptr<Application> makeApplication(std::shared_ptr<ProgramState> state);

class Connector : public HostConnector {
public:
    explicit Connector(std::shared_ptr<ProgramState> state) : state_(std::move(state)) {}
    std::unique_ptr<Application> attach() override;
    std::unique_ptr<Application> startNew() override;
    // Makes the next start fail, as when no presentation program can be started.
    void failToStart(std::string description) { startFailure_ = std::move(description); }

private:
    std::shared_ptr<ProgramState> state_;
    std::string startFailure_;
};

}  // namespace office::memory
