// The process-wide list of animated panels, advanced by the main frame's tick.
#pragma once

#include "display/animation_counter.h"

class animation_client {
 public:
  animation_client() = default;
  animation_client(const animation_client&) = delete;
  animation_client& operator=(const animation_client&) = delete;
  // A destroyed client never stays listed.
  virtual ~animation_client();

  // One tick of `elapsed_ms`; return true to stay on the list.
  virtual bool animation_callback(int elapsed_ms) = 0;

  animation_counter animation_state;

 private:
  friend void start_animation(animation_client* client);
  friend void stop_animation(animation_client* client);
  friend void animation_tick(int elapsed_ms);
  friend bool animation_listed(const animation_client* client);
  animation_client* next_animation = nullptr;
};

// Puts the client at the front of the list unless it is already listed.
void start_animation(animation_client* client);
void stop_animation(animation_client* client);
// Calls every listed client in list order; those that return false leave the list.
void animation_tick(int elapsed_ms);
bool animation_listed(const animation_client* client);
