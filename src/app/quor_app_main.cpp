#include "app/quor_app.h"

wxIMPLEMENT_APP(quor_app);
