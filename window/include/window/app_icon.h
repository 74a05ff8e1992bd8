#pragma once

#include <QIcon>

namespace lchp {

// The program's icon, drawn from its vector picture at 16, 32, 48 and 256 pixels.
QIcon AppIcon();

} // namespace lchp
