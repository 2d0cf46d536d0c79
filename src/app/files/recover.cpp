// Moxten: the recovery copy of unsaved work, and bringing it back after the
// program ended without closing.
#include "app/widgets/fieldbox.h"
#include "app/window/moxten.h"
#include "core/files/playfile.h"
#include "core/files/recovery.h"
#include "core/settings/colors.h"

#include <QBuffer>
#include <QTimer>

namespace {

const QString recoverQuestion = QStringLiteral("Moxten did not close properly. Recover the unsaved play?");

}  // namespace

void Moxten::keepRecoveryCopy() {
  recoveryTimer_->stop();
  if (isSaved == flagFalse)
    recovery_->keep(recoveryBytes({playFileName, playFileText(*this, rolesOfPlay())}));
  else
    recovery_->discard();
}

void Moxten::offerRecovery() {
  const std::optional<QString> left = recovery_->takeLeftCopy();
  if (!left) return;
  const std::optional<RecoveredPlay> copy = readRecoveryFile(*left);
  if (copy && ask({recoverQuestion, appTitle, Buttons::YesNo}) == Answer::Yes) {
    recoverPlay(*copy);
    // The play is safe in this program's own copy before the one left goes.
    keepRecoveryCopy();
    recovery_->finish();
  }
  recovery_->removeLeftCopy(*left);
}

// The play comes back unsaved under its file name, one undo step.
void Moxten::recoverPlay(const RecoveredPlay& copy) {
  const EditedPlay before = editedPlay();
  QByteArray text = copy.playText;
  QBuffer buffer(&text);
  buffer.open(QIODevice::ReadOnly);
  Play read = *this;
  std::optional<PlayRoles> roles;
  readPlayFile(buffer, ReadPolicy::Lenient, read, nullptr, &roles);
  takeReadPlay(read, roles, copy.fileName);
  showOpenedPlay(roles.has_value());
  canvas().foreColor = navy;
  isSaved = flagFalse;
  commitStep(QStringLiteral("Recover Play"), before);
}
