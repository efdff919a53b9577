#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "app/FormDetails.h"
#include "app/FormMain.h"
#include "engine/ColorizationControl.h"
#include "platform/memory/MemoryDesktop.h"
#include "widgets/headless/HeadlessBackend.h"

namespace tintara {

// The main window on the memory desktop, its texts measured as the layout was designed.
class FormMainTest : public ::testing::Test {
 protected:
  FormMainTest() {
    colorization.Load();
    backend.textMeasurer = [](std::u16string_view text, const Font& font) {
      static const std::map<std::u16string, Size> kDesigned = {
          {u"Active window icon: ", {106, 13}},
          {u"Active window icon color:", {132, 13}},
          {u"(color mode)", {64, 13}},
          {u"(use center color)", {93, 13}},
          {u"(most used color)", {88, 13}},
          {u"Tintara v1.0", {73, 17}},
          {u"X", {9, 16}},
          {u"_", {7, 16}},
          {u"?", {7, 20}},
      };
      const auto it = kDesigned.find(std::u16string(text));
      return it != kDesigned.end() ? it->second
                                   : headless::HeadlessBackend::DefaultTextExtent(text, font);
    };
  }

  ~FormMainTest() override {
    if (form) form->AttachDetails(nullptr);
  }

  // The main window and then, as the program entry does, the details window attached
  // (unless the test wants the main window alone).
  TForm_Main& Create(bool withDetails = true) {
    form = std::make_unique<TForm_Main>(app, colorization);
    if (withDetails) {
      details = std::make_unique<TForm_Details>(app);
      form->AttachDetails(details.get());
    }
    return *form;
  }

  std::size_t LogLineCount() const { return details->Memo_Log.Lines().Count(); }

  // A window of another program in front, with a class icon of its own.
  WindowHandle BringWindowWithIcon(MemoryIcon icon, std::u16string className = u"Peer") {
    MemoryWindow w;
    w.className = std::move(className);
    w.classSmallIcon = desktop.AddIcon(std::move(icon));
    const WindowHandle window = desktop.AddWindow(w);
    desktop.SetForeground(window);
    return window;
  }

  MemoryDesktop desktop;
  headless::HeadlessBackend backend{desktop};
  Application app{backend, u"Tintara"};
  ColorizationControl colorization{desktop};
  std::unique_ptr<TForm_Main> form;
  std::unique_ptr<TForm_Details> details;
};

}  // namespace tintara
