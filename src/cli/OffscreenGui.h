// vorlanctl draws its pages with Qt Gui and no window: on the offscreen
// platform unless the caller chose one, so it runs without a display.
#pragma once

#include <QGuiApplication>
#include <memory>

namespace vorlan::cli {

std::unique_ptr<QGuiApplication> StartOffscreenGui();

} // namespace vorlan::cli
