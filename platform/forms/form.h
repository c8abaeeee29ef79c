#pragma once
// A window as a model: it owns its controls and handlers; a view shows it.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/control.h"
#include "platform/forms/dialogs.h"

namespace forms {

class Form {
public:
    Form(std::string name, Dialogs& dialogs) : name_(std::move(name)), dialogs_(dialogs) {}
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form() = default;

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text);
    Dialogs& dialogs() { return dialogs_; }

    // Size in twips as the form file declares it.
    int width = 0, height = 0;
    // The top-left corner in twips from the corner of the screen's work area, when the
    // form file declares one.
    struct Corner {
        int left = 0, top = 0;
    };
    std::optional<Corner> openingCorner;
    // Stays above the other windows of the desktop.
    bool topMost = false;
    // Has the focus when the window opens, its text selected so that typing replaces it.
    const Control* firstFocus = nullptr;

    Control* find(const std::string& name) const;
    const std::vector<Control*>& controls() const { return controls_; }

    // Ends the window; the view closes when it is told.
    void unload();
    bool unloaded() const { return unloaded_; }

    void subscribe(std::function<void()> observer) { observers_.push_back(std::move(observer)); }

    // Loads an unloaded window again, as showing it does; the view opens when told.
    void load();

private:
    friend class Control;
    void enroll(Control& control);
    void changed() const;

    std::string name_;
    Dialogs& dialogs_;
    std::string caption_;
    std::vector<Control*> controls_;
    std::map<std::string, Control*> byName_;
    std::vector<std::function<void()>> observers_;
    bool unloaded_ = false;
    int eventDepth_ = 0;
};

}  // namespace forms
