#include "live_impress.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/document/XUndoManagerSupplier.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <stdexcept>
#include <thread>
#include <vector>

#include "platform/forms/office_profile.h"
#include "platform/office/impress/impress_connector.h"
#include "platform/office/impress/link.h"
#include "platform/office/pptx/deck_connector.h"

namespace fs = std::filesystem;
using namespace office::impress;

namespace {

Reference<css::frame::XModel> frontmost(const std::string& pipe) {
    auto link = Link::open(pipe);
    Reference<css::frame::XModel> model(link->desktop()->getCurrentComponent(), css::uno::UNO_QUERY_THROW);
    return model;
}

// Starts soffice with `options` in its own process group, its output going to `log`.
pid_t startOffice(const std::vector<std::string>& options, const std::string& log) {
    const pid_t child = fork();
    if (child == 0) {
        setpgid(0, 0);
        const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        dup2(out, STDOUT_FILENO);
        dup2(out, STDERR_FILENO);
        std::vector<char*> argv{const_cast<char*>("soffice")};
        for (const auto& option : options) argv.push_back(const_cast<char*>(option.c_str()));
        argv.push_back(nullptr);
        execvp("soffice", argv.data());
        _exit(127);
    }
    setpgid(child, child);
    return child;
}

}  // namespace

void writeBlankDeck(const fs::path& deck) {
    auto app = office::pptx::DeckConnector(deck.string(), 1).startNew();
    app->presentationsAdd(true).slidesAdd(1, office::kLayoutBlank);
    app->save();
}

LiveImpress::LiveImpress(const fs::path& dir, const fs::path& deck)
    : pipe_("quillon-test-" + std::to_string(getpid()) + "-" + dir.filename().string()) {
    // A connection the office cuts while it restarts must fail the call, not end the test.
    signal(SIGPIPE, SIG_IGN);
    if (!fs::exists(deck)) writeBlankDeck(deck);
    forms::prepareOfficeProfile(dir / "lo-profile");
    const std::string profile = "-env:UserInstallation=file://" + (dir / "lo-profile").string();
    const std::string log = (dir / "soffice.log").string();
    const std::vector<std::string> quiet{profile,       "--headless", "--invisible",
                                         "--norestore", "--nologo",   "--nodefault"};
    // A new profile makes the office restart once, which would cut a connection made
    // before: the profile is made by a run of its own.
    auto first = quiet;
    first.push_back("--terminate_after_init");
    waitpid(startOffice(first, log), nullptr, 0);
    auto listening = quiet;
    listening.push_back("--accept=pipe,name=" + pipe_ + ";urp;StarOffice.ComponentContext");
    listening.push_back(deck.string());
    group_ = startOffice(listening, log);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (std::chrono::steady_clock::now() < deadline) {
        try {
            ImpressConnector(pipe_).attach();
            return;
        } catch (const office::HostError&) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
    }
    kill();
    throw std::runtime_error("LibreOffice did not open the deck within two minutes; see " + log);
}

LiveImpress::~LiveImpress() {
    kill();
}

std::unique_ptr<office::Application> LiveImpress::attach() const {
    return ImpressConnector(pipe_).attach();
}

void LiveImpress::storeAs(const fs::path& target) const {
    css::beans::PropertyValue filter;
    filter.Name = "FilterName";
    const char* name = target.extension() == ".odp"   ? "impress8"
                       : target.extension() == ".pdf" ? "impress_pdf_Export"
                                                      : "Impress MS PowerPoint 2007 XML";
    filter.Value <<= rtl::OUString::createFromAscii(name);
    Reference<css::frame::XStorable> storable(frontmost(pipe_), css::uno::UNO_QUERY_THROW);
    storable->storeToURL(ou("file://" + fs::absolute(target).string()),
                         css::uno::Sequence<css::beans::PropertyValue>(&filter, 1));
}

void LiveImpress::undo() const {
    Reference<css::document::XUndoManagerSupplier> supplier(frontmost(pipe_), css::uno::UNO_QUERY_THROW);
    supplier->getUndoManager()->undo();
}

void LiveImpress::redo() const {
    Reference<css::document::XUndoManagerSupplier> supplier(frontmost(pipe_), css::uno::UNO_QUERY_THROW);
    supplier->getUndoManager()->redo();
}

int LiveImpress::undoSteps() const {
    Reference<css::document::XUndoManagerSupplier> supplier(frontmost(pipe_), css::uno::UNO_QUERY_THROW);
    return supplier->getUndoManager()->getAllUndoActionTitles().getLength();
}

int LiveImpress::redoSteps() const {
    Reference<css::document::XUndoManagerSupplier> supplier(frontmost(pipe_), css::uno::UNO_QUERY_THROW);
    return supplier->getUndoManager()->getAllRedoActionTitles().getLength();
}

void LiveImpress::closePresentation() const {
    Reference<css::util::XCloseable>(frontmost(pipe_), css::uno::UNO_QUERY_THROW)->close(true);
}

bool LiveImpress::endsWithin(std::chrono::seconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (group_ > 0 && waitpid(group_, nullptr, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    group_ = -1;
    return true;
}

void LiveImpress::kill() {
    if (group_ <= 0) return;
    ::kill(-group_, SIGKILL);
    waitpid(group_, nullptr, 0);
    group_ = -1;
}
