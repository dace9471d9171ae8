// What the program around the configuration does when a setter changes a setting: menu marks,
// panels and layout follow the value, and the server hears of the displays in use.
#pragma once

class config_setting_listener {
 public:
  virtual ~config_setting_listener() = default;
  // A setter stored the value of the setting with that file element name.
  virtual void setting_stored(const char* element, int value) = 0;
  // The next tick sends the status report.
  virtual void status_report_needed() = 0;
  // Starts or stops the audio output; false when it could not be started.
  virtual bool switch_audio_output(bool on) = 0;
};
