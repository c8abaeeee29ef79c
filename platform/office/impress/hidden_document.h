#pragma once
// A document opened hidden and read-only for one command, and closed again whatever
// happens: a figure sheet to copy from, or a deck file LibreOffice reads for us.
#include <com/sun/star/drawing/XDrawPage.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <filesystem>

#include "platform/office/impress/link.h"

namespace office::impress {

class HiddenDocument {
public:
    // model() is empty when the file did not open.
    HiddenDocument(const Link& link, const std::filesystem::path& path);
    ~HiddenDocument();
    HiddenDocument(const HiddenDocument&) = delete;
    HiddenDocument& operator=(const HiddenDocument&) = delete;

    const Reference<css::frame::XModel>& model() const { return model_; }
    // The 1-based page; empty when there is none.
    Reference<css::drawing::XDrawPage> page(int number) const;

private:
    Reference<css::frame::XModel> model_;
};

}  // namespace office::impress
