#pragma once

// The passing roles a play file may end with, as player numbers; 0 names no
// player.
struct PlayRoles {
  int quarterback = 0;
  int receiver = 0;
  bool passing = false;

  bool any() const { return quarterback != 0 || receiver != 0 || passing; }
};
