#include "qt_common/dialog_font.h"

#include <QStringList>

namespace veldor::ui {

QFont DialogFont() {
  QFont font;
  font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
                    QStringLiteral("IPA Pゴシック")});
  font.setPointSize(9);
  return font;
}

}  // namespace veldor::ui
