/* What a seat's pointer and keyboard do, sent to KWin through its fake input protocol as one
 * device for as long as it runs; kde.sh builds it from the protocol's description.
 *
 * Reads lines of steps, runs each line's, and answers "done" once the compositor has taken them;
 * "failed" for a step it does not know, or when the connection to the compositor has broken. A
 * step is
 *   move X Y        the pointer to X Y (the output's logical pixels)
 *   press|release   the left button
 *   keys MS KEY...  each key (4, space, Return, alt+s ...) pressed and released, MS apart
 *   wait MS         after all steps before it have reached the compositor */
#include <linux/input-event-codes.h>
#include <stdbool.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>
#include <wayland-client.h>

#include "fake-input-client-protocol.h"

static struct org_kde_kwin_fake_input *input;

static void global(void *data, struct wl_registry *registry, uint32_t name, const char *interface,
                   uint32_t version) {
  (void)data;
  if (strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 4) {
    input = wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4);
  }
}
static void global_remove(void *data, struct wl_registry *registry, uint32_t name) {
  (void)data, (void)registry, (void)name;
}
static const struct wl_registry_listener registry_listener = {global, global_remove};

static int key_code(const char *name) {
  static const struct {
    const char *name;
    int code;
  } keys[] = {{"4", KEY_4},         {"5", KEY_5},         {"6", KEY_6},
              {"a", KEY_A},         {"s", KEY_S},         {"x", KEY_X},
              {"space", KEY_SPACE}, {"Return", KEY_ENTER}, {"Escape", KEY_ESC},
              {"Tab", KEY_TAB},     {"alt", KEY_LEFTALT}, {"shift", KEY_LEFTSHIFT}};
  for (size_t i = 0; i < sizeof keys / sizeof keys[0]; ++i) {
    if (strcmp(keys[i].name, name) == 0) return keys[i].code;
  }
  fprintf(stderr, "fake_input: no key %s\n", name);
  exit(2);
}

/* A chord such as alt+s: pressed in order, released in reverse. */
static void type(const char *chord) {
  int codes[4], count = 0;
  char copy[64];
  snprintf(copy, sizeof copy, "%s", chord);
  for (char *name = strtok(copy, "+"); name != NULL && count < 4; name = strtok(NULL, "+")) {
    codes[count++] = key_code(name);
  }
  for (int i = 0; i < count; ++i) org_kde_kwin_fake_input_keyboard_key(input, codes[i], 1);
  for (int i = count - 1; i >= 0; --i) org_kde_kwin_fake_input_keyboard_key(input, codes[i], 0);
}

static void wait_ms(struct wl_display *display, int ms) {
  wl_display_roundtrip(display);
  usleep(ms * 1000);
}

/* One line of steps; false if a step is not understood. */
static bool run(struct wl_display *display, char *line) {
  char *words[8192];
  int count = 0;
  for (char *word = strtok(line, " \n"); word != NULL && count < 8192; word = strtok(NULL, " \n")) {
    words[count++] = word;
  }
  for (int i = 0; i < count; ++i) {
    if (strcmp(words[i], "move") == 0 && i + 2 < count) {
      org_kde_kwin_fake_input_pointer_motion_absolute(input, wl_fixed_from_double(atof(words[i + 1])),
                                                      wl_fixed_from_double(atof(words[i + 2])));
      i += 2;
    } else if (strcmp(words[i], "press") == 0 || strcmp(words[i], "release") == 0) {
      org_kde_kwin_fake_input_button(input, BTN_LEFT, words[i][0] == 'p');
    } else if (strcmp(words[i], "wait") == 0 && i + 1 < count) {
      wait_ms(display, atoi(words[++i]));
    } else if (strcmp(words[i], "keys") == 0 && i + 1 < count) {
      const int delay = atoi(words[++i]);
      for (; i + 1 < count; ++i) {
        type(words[i + 1]);
        /* At no delay, a millisecond all the same: KWin drops a client that lets the events
         * sent to it fill its socket, as a busy one may when they come faster than a hand's. */
        wait_ms(display, delay > 0 ? delay : 1);
      }
    } else {
      fprintf(stderr, "fake_input: what is '%s'?\n", words[i]);
      return false;
    }
  }
  return true;
}

int main(void) {
  struct wl_display *display = wl_display_connect(NULL);
  if (display == NULL) {
    fprintf(stderr, "fake_input: no Wayland display\n");
    return 1;
  }
  wl_registry_add_listener(wl_display_get_registry(display), &registry_listener, NULL);
  wl_display_roundtrip(display);
  if (input == NULL) {
    fprintf(stderr, "fake_input: the compositor offers no fake input\n");
    return 1;
  }
  org_kde_kwin_fake_input_authenticate(input, "vexal tests", "play the game");
  static char line[1 << 16];
  while (fgets(line, sizeof line, stdin) != NULL) {
    /* A broken connection stays broken: the last round trip fails if any before it did. */
    const bool understood = run(display, line);
    const bool reached = wl_display_roundtrip(display) >= 0;
    if (!reached) {
      fprintf(stderr, "fake_input: the compositor did not answer (error %d)\n",
              wl_display_get_error(display));
    }
    puts(understood && reached ? "done" : "failed");
    fflush(stdout);
  }
  wl_display_disconnect(display);
  return 0;
}
