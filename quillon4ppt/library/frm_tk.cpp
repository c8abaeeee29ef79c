#include "quillon4ppt/library/frm_tk.h"

#include "common/messages.h"
#include "common/shown_error.h"
#include "platform/forms/page_pictures.h"
#include "platform/office/ignore_failure.h"

namespace library {

namespace fs = std::filesystem;
namespace msg = common::messages;

namespace {

constexpr const char* kInsertCaption = "插入PPT";
constexpr const char* kSaveCaption = "保存";

long long idOf(const std::string& text) {
    try {
        return std::stoll(text);
    } catch (const std::exception&) {
        return 0;
    }
}

}  // namespace

frmTK::frmTK(launch::Program& program, forms::SheetSource* sheets, Editor editor)
    : Form("frmTK", program.dialogs()), program_(program), editor_(std::move(editor)) {
    dsoFramer1.setSource(sheets ? sheets : &deckSheets_);
    if (!editor_) {
        std::string chosen = program.environment().editor;
        editor_ = [chosen](const fs::path& sheet) { openInEditor(chosen, sheet); };
    }
    declareLayout();
    bindEvents();
    Form_Load();
}

void frmTK::bindEvents() {
    TreeView1.NodeClick = [this](const forms::TreeNode& node) { TreeView1_NodeClick(node); };
    for (int i = 0; i < 2; ++i) {
        cmdPageView[i].Click = [this, i] { cmdPageView_Click(i); };
        Option1[i].Click = [this, i] { Option1_Click(i); };
    }
    cmdInsert2PPT.Click = [this] { cmdInsert2PPT_Click(); };
}

void frmTK::Form_Load() {
    setCaption(msg::kLibraryCaption);
    Option1[0].setValue(true);
    cmdInsert2PPT.setCaption(kInsertCaption);
    try {
        db_.OpenConfigDatabase(program_.environment().home / settings::kConfigFileName);
        store_.emplace(db_, dialogs(), GetTempFolder());
        buildTree();
    } catch (const settings::SettingsError& e) {
        store_.reset();
        TreeView1.clear();
        dialogs().msgBox(common::ShownText(e));
        return;
    }
    ShowDocument(1);
}

// Keys are unique across the tree: of entries with the same id, the first is listed.
void frmTK::buildTree() {
    for (const auto& document : store_->listDocuments()) {
        std::string key = "F" + std::to_string(document.id);
        TreeView1.addNode("", key, document.name);
        for (const auto& entry : store_->listEntries(document.id)) {
            std::string child = "C" + std::to_string(entry.id);
            if (!TreeView1.node(child)) TreeView1.addNode(key, child, entry.name);
        }
    }
}

bool frmTK::ShowDocument(long long n) {
    if (!store_) return false;
    std::optional<ShownCopy> copy;
    try {
        copy = store_->makeShownCopy(n);
    } catch (const settings::SettingsError& e) {
        dialogs().msgBox(common::ShownText(e));
        return false;
    }
    if (!copy) return false;
    try {
        dsoFramer1.open(copy->path);
    } catch (const std::exception& e) {
        dialogs().msgBox(common::ShownText(e));
        return false;
    }
    setCaption(copy->name);
    return true;
}

void frmTK::SaveDocument(long long n) {
    if (!store_ || !documentShown()) return;
    // Only the view's own copy of document n may become its content.
    if (dsoFramer1.path() != store_->shownCopyPath(n)) {
        dialogs().msgBox(msg::kShownIsNotChosen);
        return;
    }
    fs::path saveFile = store_->newSaveFile();
    try {
        dsoFramer1.save(saveFile);
    } catch (const std::exception& e) {
        dialogs().msgBoxTitled(common::ShownText(e), msg::kUploadFailedTitle);
        return;
    }
    store_->storeDocument(n, saveFile);
}

void frmTK::DropShownCopy(long long n) {
    if (!store_) return;
    fs::path copy = store_->shownCopyPath(n);
    std::error_code ec;
    if (!fs::exists(copy, ec)) return;
    if (dsoFramer1.path() == copy) dsoFramer1.close();
    store_->dropShownCopy(n);
    fs::remove_all(forms::pictureFolderOf(copy), ec);
}

bool frmTK::documentShown() {
    if (dsoFramer1.isOpen()) return true;
    dialogs().msgBox(msg::kNoDocumentShown);
    return false;
}

void frmTK::TreeView1_NodeClick(const forms::TreeNode& node) {
    bool entry = node.key.find('C') != std::string::npos;
    std::string id = (entry ? node.parent : node.key).substr(1);
    if (id != CurrentDocumentId) {
        ShowDocument(idOf(id));
        CurrentDocumentId = id;
    }
    if (!entry || !documentShown()) return;
    if (!dsoFramer1.goToBookmark(node.text))
        dialogs().msgBox(msg::fill(msg::kFigureNotInDocument, {node.text}));
}

void frmTK::cmdPageView_Click(int index) {
    if (!documentShown()) return;
    if (index == 0)
        dsoFramer1.previousPage();
    else
        dsoFramer1.nextPage();
}

void frmTK::Option1_Click(int index) {
    if (index == 0) {
        cmdInsert2PPT.setCaption(kInsertCaption);
        return;
    }
    cmdInsert2PPT.setCaption(kSaveCaption);
    if (!dsoFramer1.isOpen()) return;
    try {
        editor_(dsoFramer1.path());
    } catch (const std::exception& e) {
        dialogs().msgBox(common::ShownText(e));
    }
}

void frmTK::cmdInsert2PPT_Click() {
    if (cmdInsert2PPT.caption() == kInsertCaption) {
        if (!dsoFramer1.isOpen() || dsoFramer1.selection().empty()) return;
        office::ShapeClip clip{dsoFramer1.path().string(), dsoFramer1.page(), dsoFramer1.selection()};
        auto command = program_.command();
        bool pasted = office::ignoreFailure([&] { program_.host().activeWindow().viewPasteShapes(clip); });
        office::ignoreFailure([&] {
            program_.host().activeWindow().selection().shapeRange()->zOrder(office::zorder::BringToFront);
        });
        if (pasted) program_.commandDone(command);
        return;
    }
    if (cmdInsert2PPT.caption() != kSaveCaption) return;
    if (CurrentDocumentId.empty()) CurrentDocumentId = "1";
    long long n = idOf(CurrentDocumentId);
    SaveDocument(n);
    DropShownCopy(n);
    ShowDocument(n);
}

}  // namespace library
