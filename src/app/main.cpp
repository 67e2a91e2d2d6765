// The program's entry: the start-up sequence.
#include <windows.h>

#include "overlay/form1.h"
#include "platform/application.h"
#include "platform/cp1251.h"
#include "settings/form2.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  App.Initialize(instance, Utf8ToWide("Вистаро"));
  TForm1 form1;
  Form1 = &form1;
  TForm2 form2;
  Form2 = &form2;
  App.Guard([] { Form1->Show(); });
  const int exitCode = App.Run();
  Form1->WaitForShaper();
  Form2 = nullptr;
  Form1 = nullptr;
  return exitCode;
}
