#include "app/Program.h"

#include "app/FormAbout.h"
#include "app/FormDetails.h"
#include "app/FormMain.h"
#include "engine/ColorizationControl.h"
#include "widgets/Application.h"

namespace tintara {

int RunProgram(ToolkitBackend& backend, const std::u16string& title, int showCommand) {
  // Declared first, so it is released after every window has gone.
  ColorizationControl colorization(backend.Desktop());
  colorization.Load();

  Application application(backend, title);
  application.SetShowCommand(showCommand);
  backend.AttachApplication(application);

  // The main window is an ordinary top-level window without owner, so it is the one
  // on the taskbar: the button is there exactly while the window is shown.
  TForm_Main Form_Main(application, colorization);
  // Second, hidden: it takes over what the tracker has written meanwhile, and lets go
  // before it goes.
  TForm_Details Form_Details(application);
  struct Attachment {
    TForm_Main& main;
    ~Attachment() { main.AttachDetails(nullptr); }
  } attachment{Form_Main};
  Form_Main.AttachDetails(&Form_Details);
  // Third, hidden; its animation runs from now on.
  TForm_About Form_About(application);
  Form_Main.SetAboutWindow(&Form_About);
  return backend.RunMessageLoop(application);
}

}  // namespace tintara
