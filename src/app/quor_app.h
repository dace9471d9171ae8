// The toolkit's application object: brings the process up in a fixed order.
#pragma once

#include <wx/app.h>

class quor_app : public wxApp {
 public:
  bool OnInit() override;
  int OnExit() override;
};

wxDECLARE_APP(quor_app);
