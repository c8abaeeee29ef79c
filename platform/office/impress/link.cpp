#include "platform/office/impress/link.h"

#include <chrono>
#include <com/sun/star/bridge/UnoUrlResolver.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/frame/XFrames.hpp>
#include <com/sun/star/lang/DisposedException.hpp>
#include <cppuhelper/bootstrap.hxx>
#include <rtl/bootstrap.hxx>
#include <thread>

namespace office::impress {

namespace {

// This process's own UNO runtime, bootstrapped once from the office's fundamentalrc so
// that it knows the office's types.
Reference<css::uno::XComponentContext> localContext() {
    static const Reference<css::uno::XComponentContext> context = [] {
        rtl::Bootstrap::setIniFilename("file://" QUILLON_LO_PROGRAM_DIR "/fundamentalrc");
        return cppu::defaultBootstrap_InitialComponentContext();
    }();
    return context;
}

}  // namespace

rtl::OUString ou(const std::string& utf8) {
    return rtl::OUString(utf8.data(), static_cast<sal_Int32>(utf8.size()), RTL_TEXTENCODING_UTF8);
}

std::string utf8(const rtl::OUString& text) {
    rtl::OString bytes = rtl::OUStringToOString(text, RTL_TEXTENCODING_UTF8);
    return std::string(bytes.getStr(), static_cast<std::size_t>(bytes.getLength()));
}

std::shared_ptr<Link> Link::open(const std::string& pipe) {
    // A busy office now and then drops a connection while it is being made, mostly just
    // after another one closed; a fresh one is then taken at once.
    constexpr int kAttempts = 5;
    for (int attempt = 1;; ++attempt) {
        try {
            return connect(pipe);
        } catch (const css::lang::DisposedException&) {
            if (attempt == kAttempts) throw HostError(messages::kLiveUnreachable);
            std::this_thread::sleep_for(std::chrono::milliseconds(50 * attempt));
        }
    }
}

std::shared_ptr<Link> Link::connect(const std::string& pipe) {
    auto link = std::make_shared<Link>();
    try {
        auto resolver = css::bridge::UnoUrlResolver::create(localContext());
        auto remote = resolver->resolve(ou("uno:pipe,name=" + pipe + ";urp;StarOffice.ComponentContext"));
        link->context_.set(remote, css::uno::UNO_QUERY_THROW);
        link->desktop_ = css::frame::Desktop::create(link->context_);
    } catch (const css::connection::NoConnectException&) {
        throw HostNotRunning(messages::kLiveNotListening);
    } catch (const css::lang::DisposedException&) {
        throw;
    } catch (const css::uno::Exception&) {
        throw HostError(messages::kLiveUnreachable);
    }
    return link;
}

void Link::failed() {
    if (alive()) throw HostError(messages::kLiveRefused);
    lost_ = true;
    if (onLost_) onLost_(kLostMessage);
    throw HostLost(kLostMessage);
}

void Link::leave() noexcept {
    try {
        if (desktop_->getFrames()->getCount() == 0) desktop_->terminate();
    } catch (const css::uno::Exception&) {
        // an office that is going away anyway
    }
}

bool Link::alive() const {
    try {
        if (watched_.is()) watched_->getCurrentController();
        return context_->getServiceManager().is();
    } catch (const css::uno::RuntimeException&) {
        return false;
    }
}

}  // namespace office::impress
