// quillon_sample_library CONFIG_MDB WORK_FOLDER: writes the sample figure sheets with
// the deck writer and stores them, with one entry per figure, in config.mdb.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "common/file_bytes.h"
#include "platform/office/pptx/deck_connector.h"
#include "quillon4ppt/library/sample_figures.h"
#include "settings/config_database.h"

namespace fs = std::filesystem;

namespace {

constexpr float kCellWidth = 240, kCellTop = 150;

void writeSheet(const library::SampleDocument& doc, const fs::path& file) {
    fs::remove(file);
    office::pptx::DeckConnector first(file.string(), 1);
    auto app = first.startNew();
    app->presentationsAdd(true);
    for (std::size_t page = 1; page <= doc.pages.size(); ++page)
        app->activePresentation().slidesAdd(static_cast<int>(page), office::kLayoutBlank);
    app->save();
    for (std::size_t page = 1; page <= doc.pages.size(); ++page) {
        office::pptx::DeckConnector connector(file.string(), static_cast<int>(page));
        auto deck = connector.attach();
        auto& host = office::slideHost(*deck);
        float left = 20;
        for (const auto& figure : doc.pages[page - 1]) {
            library::FigureDrawer drawer(host, left, kCellTop);
            figure.draw(drawer);
            drawer.finish(figure.name);
            left += kCellWidth;
        }
        deck->save();
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: quillon_sample_library CONFIG_MDB WORK_FOLDER\n";
        return 2;
    }
    try {
        fs::create_directories(argv[2]);
        settings::ConfigDatabase db;
        db.OpenConfigDatabase(argv[1]);
        db.transaction([&] {
            long long document = 0, entry = 0;
            for (const auto& doc : library::sampleDocuments()) {
                fs::path sheet = fs::path(argv[2]) / ("sheet" + std::to_string(++document) + ".pptx");
                writeSheet(doc, sheet);
                db.execute("insert into big (Id, Name, content) values (?, ?, ?)",
                           {document, doc.name, settings::Blob{common::fileBytes(sheet)}});
                for (const auto& page : doc.pages)
                    for (const auto& figure : page)
                        db.execute("insert into small (Id, Name, big) values (?, ?, ?)",
                                   {++entry, figure.name, document});
            }
        });
    } catch (const std::exception& e) {
        std::cerr << "quillon_sample_library: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
