// Asks the platform which keyboard layout is in use.
#include "common/ui/QtText.h"
#include "keyboards/ui/PcLayoutMenu.h"

#include <QGuiApplication>
#include <QLocale>
#include <cstdint>

#ifdef _WIN32
#include <windows.h>
#elif defined(VORLAN_HAVE_XCB)
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>
#endif

namespace vorlan {
namespace {

#if !defined(_WIN32) && defined(VORLAN_HAVE_XCB)
// The root window's _XKB_RULES_NAMES: rules, model, layouts, variants and
// options, each ended by a null byte. Null without an X server or property;
// an empty id for a layout that is not offered.
std::optional<std::string> XkbLayout() {
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                   : nullptr;
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        return std::nullopt;
    }
    const char name[] = "_XKB_RULES_NAMES";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof name - 1, name),
                              nullptr),
        &std::free);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!atom || atom->atom == XCB_ATOM_NONE || screen == nullptr) {
        return std::nullopt;
    }
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(
            connection,
            xcb_get_property(connection, 0, screen->root, atom->atom, XCB_ATOM_STRING, 0, 1024),
            nullptr),
        &std::free);
    if (!reply || reply->format != 8) {
        return std::nullopt;
    }
    const std::string value(static_cast<const char*>(xcb_get_property_value(reply.get())),
                            static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
    std::string fields[4];
    std::size_t at = 0;
    for (std::string& field : fields) {
        const std::size_t end = std::min(value.find('\0', at), value.size());
        field = at < value.size() ? value.substr(at, end - at) : std::string();
        at = end + 1;
    }
    if (fields[2].empty()) {
        return std::nullopt;
    }
    return keyboards::LayoutOfXkbNames(fields[2], fields[3]).value_or(std::string());
}
#endif

} // namespace

std::optional<std::string> DetectSystemPcLayout() {
#ifdef _WIN32
    const HKL layout = GetKeyboardLayout(GetWindowThreadProcessId(GetForegroundWindow(), nullptr));
    // A layout the system names but the program does not offer gets the
    // standard names, not a guess from the locale.
    if (layout != nullptr) {
        return keyboards::LayoutOfWindowsLanguage(
            static_cast<std::uint16_t>(reinterpret_cast<std::uintptr_t>(layout) & 0xFFFF));
    }
#elif defined(VORLAN_HAVE_XCB)
    if (const auto id = XkbLayout()) {
        return id->empty() ? std::nullopt : id;
    }
#endif
    return keyboards::LayoutOfLocale(ToUtf8Text(QLocale::system().name()));
}

} // namespace vorlan
