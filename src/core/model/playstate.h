#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdint>

// Highest player slot, highest path step and highest play-list entry.
inline constexpr int maxPlayers = 100;
inline constexpr int maxStep = 5;
inline constexpr int maxPlayListEntries = 100;

// Flags are -1 for true and 0 for false.
inline constexpr std::int16_t flagTrue = -1;
inline constexpr std::int16_t flagFalse = 0;

enum PlayerKind : std::int16_t { Offence = 1, Centre = 2, Defence = 3 };

enum EditMode : std::int16_t {
  None = 0,
  PlaceDefence = 1,
  PlaceOffence = 2,
  PlaceCentre = 3,
  PathEntry = 4,
};

struct PlayerRecord {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int16_t kind = 0;
  std::uint32_t color = 0;  // 0x00BBGGRR

  bool operator==(const PlayerRecord&) const = default;
};

using PlayerArray = std::array<PlayerRecord, maxPlayers + 1>;
using MoveArray = std::array<std::array<PlayerRecord, maxStep + 1>, maxPlayers + 1>;

inline bool isPlayerNumber(int p) { return p >= 0 && p <= maxPlayers; }

// A player's position label (QB, X, LT, CB...): up to three letters, digits,
// "-" or "/" as NUL-terminated ASCII; all NULs when the player has none.
inline constexpr int maxLabelLength = 3;
using PlayerLabel = std::array<char, maxLabelLength + 1>;

// How a player's path is drawn: its line and its end.
enum class RouteLine : std::uint8_t { Solid, Dashed };
enum class RouteEnd : std::uint8_t { Arrow, Block, None };
struct RouteStyle {
  RouteLine line = RouteLine::Solid;
  RouteEnd end = RouteEnd::Arrow;

  bool operator==(const RouteStyle&) const = default;
};

// The ranges of a player's speed and of the ball's, in yards a second, and
// of the throw's time in seconds; 0 in the play means "not set".
inline constexpr double slowestPlayer = 1, fastestPlayer = 12;
inline constexpr double slowestBall = 10, fastestBall = 35;
inline constexpr double earliestThrow = 0.5, latestThrow = 10;

// The longest call name and note of a play, in characters.
inline constexpr int maxCallLength = 60;
inline constexpr int maxNoteLength = 500;
// The most defences a play names to be shown against.
inline constexpr int maxDefences = 8;

// The part of the play that a play file holds.
struct Play {
  PlayerArray players{};
  MoveArray moves{};
  std::int16_t playerCount = 0;
  // Each player's label and route style, by number as players and moves.
  std::array<PlayerLabel, maxPlayers + 1> labels{};
  std::array<RouteStyle, maxPlayers + 1> routes{};
  // The play's call name and note, one line each, and the yard line the ball
  // is on (1 to 99 from the offence's own goal line; 0 when not stated).
  QString call;
  QString note;
  std::int16_t ballOn = 0;
  // Each player's speed, the time of the throw and the ball's speed; 0 where
  // the play leaves them to their defaults.
  std::array<float, maxPlayers + 1> speeds{};
  float throwTime = 0;
  float ballSpeed = 0;
  // The names of the saved defence formations the play is shown against.
  QStringList defences;

  // playerCount kept within the arrays: the players 1 to this are placed.
  int placedCount() const { return std::clamp<int>(playerCount, 0, maxPlayers); }
  // Clears x and y of every entry of players and moves; kind and color stay.
  void clearPositions();
  // Clears the labels, route styles, call, note, ball-on and timing.
  void clearVocabulary() {
    labels = {};
    routes = {};
    call.clear();
    note.clear();
    ballOn = 0;
    speeds = {};
    throwTime = 0;
    ballSpeed = 0;
    defences.clear();
  }

  bool operator==(const Play&) const = default;
};

inline void Play::clearPositions() {
  for (auto& player : players) {
    player.x = 0;
    player.y = 0;
  }
  for (auto& path : moves)
    for (auto& step : path) {
      step.x = 0;
      step.y = 0;
    }
}

// The name of a play that has no file yet.
inline const QString untitledPlay = QStringLiteral("Untitled");

// Everything the main window knows about the play being designed.
struct PlayState : Play {
  QString playFileName;
  QString appTitle;
  std::int16_t isSaved = 0;
  std::uint32_t penColor = 0;

  std::int16_t playListCount = 0;
  std::array<QString, maxPlayListEntries + 1> playListNames{};
  std::array<QString, maxPlayListEntries + 1> playListFiles{};

  std::int16_t editMode = None;
  std::int16_t pathMovesLeft = 0;
  std::int16_t pathMovesTotal = 0;
  std::int32_t lastX = 0;
  std::int32_t lastY = 0;

  std::int16_t mouseLockOn = flagFalse;
  std::int16_t mouseLockArmed = flagFalse;
  QPoint lockAnchor{0, 0};
  QPoint cursorPos{0, 0};
};
