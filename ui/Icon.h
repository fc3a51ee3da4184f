#pragma once

#include <QIcon>

namespace zarno::ui {

// The program's 16 x 16 icon: a lottery ball with a Z.
QIcon zarnoIcon();

}  // namespace zarno::ui
