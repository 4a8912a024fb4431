#include "OvaldiApp.h"

int main(int argc, char** argv) {
    COvaldiApp app(argc, argv);
    app.InitInstance();
    return 0;
}
