#include "display/animation_list.h"

#include <algorithm>
#include <vector>

namespace {

animation_client* animation_head = nullptr;

}  // namespace

animation_client::~animation_client() { stop_animation(this); }

bool animation_listed(const animation_client* client) {
  for (const animation_client* c = animation_head; c; c = c->next_animation)
    if (c == client) return true;
  return false;
}

void start_animation(animation_client* client) {
  if (!client || animation_listed(client)) return;
  client->next_animation = animation_head;
  animation_head = client;
}

void stop_animation(animation_client* client) {
  for (animation_client** link = &animation_head; *link; link = &(*link)->next_animation) {
    if (*link == client) {
      *link = client->next_animation;
      client->next_animation = nullptr;
      return;
    }
  }
}

void animation_tick(int elapsed_ms) {
  // Callbacks may start or stop animations (or destroy panels), so walk a snapshot and call only
  // the clients that are still listed when their turn comes.
  std::vector<animation_client*> snapshot;
  for (animation_client* c = animation_head; c; c = c->next_animation) snapshot.push_back(c);
  for (animation_client* client : snapshot) {
    if (!animation_listed(client)) continue;
    if (!client->animation_callback(elapsed_ms)) stop_animation(client);
  }
}
