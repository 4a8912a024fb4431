#pragma once

#include <QApplication>

// The process's one application object: fixes the application name and runs
// the wizard.
class COvaldiApp : public QApplication {
  public:
    COvaldiApp(int& argc, char** argv);

    // The start-up routine: runs the wizard modally. Always false: no event
    // loop is to follow.
    bool InitInstance();
};
