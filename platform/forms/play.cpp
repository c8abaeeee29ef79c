#include "platform/forms/play.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <map>

#include "platform/forms/controls.h"
#include "platform/forms/document_view.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/tree_view.h"

namespace forms {
namespace {

std::string fail(const PlayAction& a, const std::string& why) {
    return "line " + std::to_string(a.line) + ": " + why;
}

int integerArgument(const PlayAction& a) {
    int v = 0;
    const std::string& s = a.argument;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || s.empty())
        throw PlayError(fail(a, "\"" + s + "\" is not a whole number"));
    return v;
}

// "txtZX[0]" and "txtZX(0)" name the same element of a control array.
std::string controlName(std::string name) {
    if (name.size() > 2 && name.back() == ']') {
        auto open = name.rfind('[');
        if (open != std::string::npos)
            name = name.substr(0, open) + "(" + name.substr(open + 1, name.size() - open - 2) + ")";
    }
    return name;
}

template <typename T>
T& controlOf(Form& form, const PlayAction& a, const char* what) {
    Control* c = form.find(a.name);
    if (!c) throw PlayError(fail(a, "there is no control \"" + a.name + "\""));
    auto* typed = dynamic_cast<T*>(c);
    if (!typed) throw PlayError(fail(a, "\"" + a.name + "\" is not " + what));
    return *typed;
}

void doClick(const PlayAction& a, PlaySession& s) {
    Form& form = s.form;
    Control* c = form.find(a.name);
    if (!c) throw PlayError(fail(a, "there is no control \"" + a.name + "\""));
    if (auto* b = dynamic_cast<CommandButton*>(c)) return b->click();
    if (auto* l = dynamic_cast<Label*>(c)) return l->click();
    if (auto* k = dynamic_cast<CheckBox*>(c)) return k->click();
    if (auto* o = dynamic_cast<OptionButton*>(c)) return o->click();
    if (auto* i = dynamic_cast<Image*>(c)) return i->click();
    throw PlayError(fail(a, "\"" + a.name + "\" cannot be clicked"));
}

void doSet(const PlayAction& a, PlaySession& s) {
    Form& form = s.form;
    Control* c = form.find(a.name);
    if (!c) throw PlayError(fail(a, "there is no control \"" + a.name + "\""));
    if (auto* t = dynamic_cast<TextBox*>(c)) return t->setText(a.argument);
    if (auto* b = dynamic_cast<ComboBox*>(c)) return b->setText(a.argument);
    throw PlayError(fail(a, "\"" + a.name + "\" has no text to set"));
}

void doSelect(const PlayAction& a, PlaySession& s) {
    Form& form = s.form;
    Control* c = form.find(a.name);
    if (!c) throw PlayError(fail(a, "there is no control \"" + a.name + "\""));
    int index = integerArgument(a);
    if (auto* l = dynamic_cast<ListBox*>(c)) {
        if (index < -1 || index >= static_cast<int>(l->items().size()))
            throw PlayError(fail(a, "\"" + a.name + "\" has no entry " + a.argument));
        return l->select(index);
    }
    if (auto* b = dynamic_cast<ComboBox*>(c)) {
        if (index < 0 || index >= static_cast<int>(b->items().size()))
            throw PlayError(fail(a, "\"" + a.name + "\" has no item " + a.argument));
        return b->select(index);
    }
    throw PlayError(fail(a, "\"" + a.name + "\" is not a list"));
}

void doPrint(const PlayAction& a, PlaySession& s) {
    Form& form = s.form;
    std::ostream& out = s.out;
    if (a.name == "caption") {
        out << "caption = " << form.caption() << '\n';
        return;
    }
    if (a.name == "selection") {
        if (!s.selectionNames)
            throw PlayError(fail(a, "there is no presentation window to print the selection of"));
        auto names = s.selectionNames();
        for (std::size_t i = 0; i < names.size(); ++i) out << "selection[" << i << "] = " << names[i] << '\n';
        return;
    }
    Control* c = form.find(a.name);
    if (!c) throw PlayError(fail(a, "there is no control \"" + a.name + "\""));
    if (auto* l = dynamic_cast<ListBox*>(c)) {
        for (std::size_t i = 0; i < l->items().size(); ++i)
            out << a.name << '[' << i << "] = " << l->items()[i] << '\n';
        return;
    }
    if (auto* t = dynamic_cast<TreeView*>(c)) {
        for (const TreeNode* n : t->treeOrder()) out << a.name << '[' << n->key << "] = " << n->text << '\n';
        return;
    }
    out << a.name << " = " << c->valueText() << '\n';
}

void doAnswer(const PlayAction& a, ScriptedDialogs& dialogs) {
    if (a.verb == "color") {
        int v = integerArgument(a);
        if (v < 0 || v > 0xFFFFFF) throw PlayError(fail(a, "a colour is a value from 0 to 16777215"));
        return dialogs.queueColor(static_cast<common::Rgb>(v));
    }
    if (a.argument == "ok") return dialogs.queueAnswer(Answer::Ok);
    if (a.argument == "cancel") return dialogs.queueAnswer(Answer::Cancel);
    throw PlayError(fail(a, "answer ok or answer cancel"));
}

void doKey(const PlayAction& a, PlaySession& s) {
    controlOf<Control>(s.form, a, "a control").pressKey(integerArgument(a));
}

void doLeave(const PlayAction& a, PlaySession& s) {
    controlOf<Control>(s.form, a, "a control").leave();
}

void doChoose(const PlayAction& a, PlaySession& s) {
    controlOf<OptionButton>(s.form, a, "an option button").click();
}

void doScroll(const PlayAction& a, PlaySession& s) {
    controlOf<ScrollBar>(s.form, a, "a scroll bar").setValue(integerArgument(a));
}

void doTab(const PlayAction& a, PlaySession& s) {
    controlOf<TabStrip>(s.form, a, "a tab strip").setTab(integerArgument(a));
}

void doCheck(const PlayAction& a, PlaySession& s) {
    int value = integerArgument(a);
    if (value != 0 && value != 1) throw PlayError(fail(a, "check takes 0 or 1"));
    controlOf<CheckBox>(s.form, a, "a check box").setValue(value);
}

void doSpin(const PlayAction& a, PlaySession& s) {
    auto& spinner = controlOf<UpDown>(s.form, a, "a spinner");
    if (a.argument == "up") return spinner.up();
    if (a.argument == "down") return spinner.down();
    throw PlayError(fail(a, "spin takes up or down"));
}

// tick NAME INDEX 0|1
void doTick(const PlayAction& a, PlaySession& s) {
    auto& list = controlOf<ListBox>(s.form, a, "a list");
    if (!list.multiSelect) throw PlayError(fail(a, "\"" + a.name + "\" is not a multi-select list"));
    auto blank = a.argument.find(' ');
    PlayAction index = a, state = a;
    index.argument = a.argument.substr(0, blank);
    state.argument = blank == std::string::npos ? "" : a.argument.substr(blank + 1);
    int row = integerArgument(index), on = integerArgument(state);
    if (on != 0 && on != 1) throw PlayError(fail(a, "tick takes an index and 0 or 1"));
    if (row < 0 || row >= static_cast<int>(list.items().size()))
        throw PlayError(fail(a, "\"" + a.name + "\" has no entry " + index.argument));
    list.tick(row, on == 1);
}

void doNode(const PlayAction& a, PlaySession& s) {
    auto& tree = controlOf<TreeView>(s.form, a, "a tree view");
    if (!tree.node(a.argument))
        throw PlayError(fail(a, "\"" + a.name + "\" has no node \"" + a.argument + "\""));
    tree.clickNode(a.argument);
}

void doPick(const PlayAction& a, PlaySession& s) {
    auto& view = controlOf<DocumentView>(s.form, a, "a document view");
    if (a.argument.empty()) return view.clearSelection();
    const auto& shapes = view.shapesOnPage();
    if (std::none_of(shapes.begin(), shapes.end(), [&](const SheetShape& x) { return x.name == a.argument; }))
        throw PlayError(fail(a, "the shown page has no shape \"" + a.argument + "\""));
    view.pick(a.argument);
}

void doAnswerInPlay(const PlayAction& a, PlaySession& s) {
    doAnswer(a, s.dialogs);
}

struct ActionKind {
    bool takesName;
    void (*run)(const PlayAction&, PlaySession&);
};

const std::map<std::string, ActionKind>& actionKinds() {
    static const std::map<std::string, ActionKind> kinds = {{"set", {true, doSet}},
                                                            {"click", {true, doClick}},
                                                            {"check", {true, doCheck}},
                                                            {"choose", {true, doChoose}},
                                                            {"select", {true, doSelect}},
                                                            {"key", {true, doKey}},
                                                            {"leave", {true, doLeave}},
                                                            {"spin", {true, doSpin}},
                                                            {"scroll", {true, doScroll}},
                                                            {"tab", {true, doTab}},
                                                            {"print", {true, doPrint}},
                                                            {"answer", {false, doAnswerInPlay}},
                                                            {"color", {false, doAnswerInPlay}},
                                                            {"tick", {true, doTick}},
                                                            {"node", {true, doNode}},
                                                            {"pick", {true, doPick}}};
    return kinds;
}

const ActionKind& actionKind(const PlayAction& a) {
    auto kind = actionKinds().find(a.verb);
    if (kind == actionKinds().end()) throw PlayError(fail(a, "unknown action \"" + a.verb + "\""));
    return kind->second;
}

PlayAction parseLine(const std::string& text, int number) {
    PlayAction a;
    a.line = number;
    auto firstBlank = text.find(' ');
    a.verb = text.substr(0, firstBlank);
    const ActionKind& kind = actionKind(a);
    std::string rest = firstBlank == std::string::npos ? "" : text.substr(firstBlank + 1);
    if (!kind.takesName) {
        a.argument = rest;
        return a;
    }
    auto nameEnd = rest.find(' ');
    a.name = controlName(rest.substr(0, nameEnd));
    if (a.name.empty()) throw PlayError(fail(a, "the action \"" + a.verb + "\" needs a control name"));
    a.argument = nameEnd == std::string::npos ? "" : rest.substr(nameEnd + 1);
    return a;
}

}  // namespace

std::vector<PlayAction> parsePlayScript(std::istream& script) {
    std::vector<PlayAction> actions;
    std::string text;
    int number = 0;
    while (std::getline(script, text)) {
        ++number;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (text.empty() || text[0] == '#') continue;
        actions.push_back(parseLine(text, number));
    }
    return actions;
}

std::size_t queueLeadingAnswers(const std::vector<PlayAction>& actions, ScriptedDialogs& dialogs) {
    std::size_t i = 0;
    for (; i < actions.size() && (actions[i].verb == "answer" || actions[i].verb == "color"); ++i)
        doAnswer(actions[i], dialogs);
    return i;
}

void play(const std::vector<PlayAction>& actions, std::size_t from, PlaySession& session) {
    for (std::size_t i = from; i < actions.size() && !session.form.unloaded(); ++i) {
        const PlayAction& a = actions[i];
        actionKind(a).run(a, session);
    }
}

void play(const std::vector<PlayAction>& actions, std::size_t from, Form& form, ScriptedDialogs& dialogs,
          std::ostream& out) {
    PlaySession session{form, dialogs, out, {}};
    play(actions, from, session);
}

void play(const std::vector<PlayAction>& actions, std::size_t from, const std::function<Form*()>& current,
          ScriptedDialogs& dialogs, std::ostream& out) {
    for (std::size_t i = from; i < actions.size(); ++i) {
        Form* form = current();
        if (!form) return;
        PlaySession session{*form, dialogs, out, {}};
        actionKind(actions[i]).run(actions[i], session);
    }
}

}  // namespace forms
