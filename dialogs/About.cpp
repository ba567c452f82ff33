#include "dialogs/About.h"

#include "dialogs/AboutPicture.h"

#include <QLabel>

namespace quillora {
namespace {

QLabel* MakeCaption(const QString& objectName, int y, QWidget* parent) {
  auto* label = new QLabel(QStringLiteral("Version"), parent);
  label->setObjectName(objectName);
  label->setGeometry(56, y, 169, 14);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  return label;
}

}  // namespace

TAbout::TAbout(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("About"));
  setWindowTitle(QStringLiteral("Quillora"));
  setFixedSize(311, 295);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("Image1"));
  picture->setGeometry(0, -4, 313, 300);
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picture->setPixmap(AboutPicture(312));

  MakeCaption(QStringLiteral("Label1"), 8, this);
  Version_ = MakeCaption(QStringLiteral("Version"), 22, this);
  FormCreate();
}

void TAbout::FormCreate() { Version_->setText(ReadVersion()); }

QString TAbout::ReadVersion() {
#ifdef QUILLORA_VERSION
  return QStringLiteral(QUILLORA_VERSION);
#else
  return {};
#endif
}

}  // namespace quillora
