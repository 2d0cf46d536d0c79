// The play file reader under one policy: whatever the file holds, the play
// stays inside its arrays, and a play read under Strict writes a file that
// reads back to the same play and roles.
#include "check.h"
#include "core/files/playfile.h"

namespace {

// A play left over from earlier editing, so that kinds and colours not
// cleared by the reader are there to be kept.
const Play& earlierPlay() {
  static const Play play = [] {
    Play earlier;
    earlier.playerCount = 3;
    for (int p = 0; p <= maxPlayers; ++p) {
      earlier.players[p] = {p, p + 1, std::int16_t(p % 4), std::uint32_t(p) * 255u};
      for (int s = 0; s <= maxStep; ++s) earlier.moves[p][s] = {p + s, s + 1, 0, 0};
    }
    return earlier;
  }();
  return play;
}

Play read(const QByteArray& bytes, ReadPolicy policy, bool& ok, std::optional<PlayRoles>* roles = nullptr) {
  Play play = earlierPlay();
  BytesDevice input(bytes);
  ok = readPlayFile(input, policy, play, nullptr, roles);
  return play;
}

bool sameRoles(const PlayRoles& a, const PlayRoles& b) {
  return a.quarterback == b.quarterback && a.receiver == b.receiver && a.passing == b.passing;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const ReadPolicy policy = MOXTEN_FUZZ_POLICY;
  bool ok = false;
  std::optional<PlayRoles> roles;
  const Play play = read(inputBytes(data, size), policy, ok, &roles);
  MOXTEN_CHECK(play.playerCount >= 0 && play.playerCount <= maxPlayers);
  if (roles) MOXTEN_CHECK(ok && isPlayerNumber(roles->quarterback) && isPlayerNumber(roles->receiver));
  if (!ok) MOXTEN_CHECK(policy == ReadPolicy::Strict || play.playerCount == 3);
  const Play& before = earlierPlay();
  for (int p = play.playerCount + 1; p <= maxPlayers; ++p) {
    MOXTEN_CHECK(play.players[p].kind == before.players[p].kind);
    MOXTEN_CHECK(play.players[p].color == before.players[p].color);
  }
  if (ok && policy == ReadPolicy::Strict) {
    // Written, read and written again, the file no longer changes.
    const PlayRoles kept = roles.value_or(PlayRoles());
    const QByteArray written = playFileText(play, kept);
    bool again = false;
    std::optional<PlayRoles> rolesAgain;
    const Play reread = read(written, ReadPolicy::Strict, again, &rolesAgain);
    MOXTEN_CHECK(again);
    MOXTEN_CHECK(rolesAgain.has_value() == kept.any());
    if (rolesAgain) MOXTEN_CHECK(sameRoles(*rolesAgain, kept));
    MOXTEN_CHECK(reread.playerCount == play.playerCount);
    const QByteArray rewritten = playFileText(reread);
    bool third = false;
    MOXTEN_CHECK(playFileText(read(rewritten, ReadPolicy::Strict, third)) == rewritten);
    MOXTEN_CHECK(third);
    for (int p = 1; p <= play.playerCount; ++p) {
      MOXTEN_CHECK(reread.players[p].kind == play.players[p].kind);
      MOXTEN_CHECK(reread.players[p].x == play.players[p].x && reread.players[p].y == play.players[p].y);
    }
  }
  return 0;
}
