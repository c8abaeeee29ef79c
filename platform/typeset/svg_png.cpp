#include "platform/typeset/svg_png.h"

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <cmath>
#include <memory>
#include <stdexcept>

namespace typeset {

namespace {

template <typename T, void (*Free)(T*)>
struct Releaser {
    void operator()(T* p) const { Free(p); }
};
using Surface = std::unique_ptr<cairo_surface_t, Releaser<cairo_surface_t, cairo_surface_destroy>>;
using Context = std::unique_ptr<cairo_t, Releaser<cairo_t, cairo_destroy>>;

void unrefHandle(RsvgHandle* h) {
    g_object_unref(h);
}
using Handle = std::unique_ptr<RsvgHandle, Releaser<RsvgHandle, unrefHandle>>;

cairo_status_t appendTo(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

[[noreturn]] void fail(GError* error, const char* what) {
    std::string message = std::string(what) + (error ? std::string(": ") + error->message : "");
    if (error) g_error_free(error);
    throw std::runtime_error(message);
}

}  // namespace

std::string pngFromSvg(const std::string& svg, double width, double height, double pixelsPerPoint) {
    GError* error = nullptr;
    Handle handle(rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.data()), svg.size(), &error));
    if (!handle) fail(error, "the equation's SVG cannot be read");
    int w = std::max(1, static_cast<int>(std::ceil(width * pixelsPerPoint)));
    int h = std::max(1, static_cast<int>(std::ceil(height * pixelsPerPoint)));
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h));
    Context cr(cairo_create(surface.get()));
    RsvgRectangle viewport{0, 0, static_cast<double>(w), static_cast<double>(h)};
    if (!rsvg_handle_render_document(handle.get(), cr.get(), &viewport, &error))
        fail(error, "the equation's SVG cannot be drawn");
    std::string png;
    if (cairo_surface_write_to_png_stream(surface.get(), appendTo, &png) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("the equation's PNG cannot be written");
    return png;
}

}  // namespace typeset
