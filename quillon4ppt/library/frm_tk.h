#pragma once
// The figure library window: the documents of config.mdb as a tree, the chosen one
// shown page by page, its figures copied onto the slide or the document edited.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "platform/forms/document_view.h"
#include "platform/forms/form.h"
#include "platform/forms/tree_view.h"
#include "quillon4ppt/launch/program.h"
#include "quillon4ppt/library/library_store.h"
#include "quillon4ppt/library/sheet_source.h"
#include "settings/config_database.h"

namespace library {

class frmTK : public forms::Form {
public:
    // Opens a sheet in the teacher's presentation program for edit mode.
    using Editor = std::function<void(const std::filesystem::path&)>;

    // sheets: how the view reads and draws sheets (the deck reader and LibreOffice
    // unless given); the window loads at once.
    explicit frmTK(launch::Program& program, forms::SheetSource* sheets = nullptr, Editor editor = {});

    void Form_Load();
    void TreeView1_NodeClick(const forms::TreeNode& node);
    void cmdPageView_Click(int index);
    void Option1_Click(int index);
    void cmdInsert2PPT_Click();

    // False when the document has no row or could not be shown; nothing changes then.
    bool ShowDocument(long long n);
    void SaveDocument(long long n);
    void DropShownCopy(long long n);

    // The store of this window; none when config.mdb could not be opened at load.
    LibraryStore* store() { return store_ ? &*store_ : nullptr; }

    std::string CurrentDocumentId;

    forms::TreeView TreeView1{*this, "TreeView1"};
    forms::DocumentView dsoFramer1{*this, "dsoFramer1"};
    forms::ControlArray<forms::CommandButton> cmdPageView{*this, "cmdPageView", 2};
    forms::ControlArray<forms::OptionButton> Option1{*this, "Option1", 2};
    forms::CommandButton cmdInsert2PPT{*this, "cmdInsert2PPT"};

private:
    void declareLayout();
    void bindEvents();
    void buildTree();
    bool documentShown();

    launch::Program& program_;
    DeckSheets deckSheets_;
    Editor editor_;
    settings::ConfigDatabase db_;
    std::optional<LibraryStore> store_;
};

}  // namespace library
