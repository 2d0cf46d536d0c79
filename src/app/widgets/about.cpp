#include "app/widgets/about.h"

#include "app/widgets/artwork.h"
#include "app/widgets/controls.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int versionMajor = 1, versionMinor = 0, versionRevision = 0;

QLabel* label(QWidget* parent, const char* name, const QString& text) {
  auto* control = new QLabel(text, parent);
  control->setObjectName(QString::fromLatin1(name));
  control->setWordWrap(true);
  return control;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);

  const QString title = QStringLiteral("Moxten");
  setWindowTitle(QStringLiteral("About ") + title);
  picIcon = label(this, "picIcon", QString());
  picIcon->setPixmap(titleArt());
  picIcon->setFixedSize(432, 216);
  picIcon->setAccessibleName(QStringLiteral("Moxten: design the play, watch it run"));
  lblTitle = label(this, "lblTitle", title);
  QFont titleFont = lblTitle->font();
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
  titleFont.setBold(true);
  lblTitle->setFont(titleFont);
  lblVersion = label(this, "lblVersion",
                     QStringLiteral("Version %1.%2.%3").arg(versionMajor).arg(versionMinor).arg(versionRevision));
  lblDescription = label(this, "lblDescription",
                         QStringLiteral("Design American-football plays on the field: place the players, draw "
                                        "their routes, name the quarterback and the receiver, and watch the "
                                        "play run."));
  lblDisclaimer = label(this, "lblDisclaimer",
                        QStringLiteral("This program is provided as it is, without warranty of any kind."));
  QFont small = lblDisclaimer->font();
  small.setPointSizeF(small.pointSizeF() * 0.9);
  lblDisclaimer->setFont(small);

  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(picIcon);
  layout->addWidget(lblTitle);
  layout->addWidget(lblVersion);
  layout->addWidget(lblDescription);
  layout->addWidget(lblDisclaimer);
  layout->addWidget(cmdOK, 0, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  giveAccessibleNames(this);
}

void frmAbout::cmdOK_Click() { close(); }
