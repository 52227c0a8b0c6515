#include "app/Application.h"

int main(int argc, char *argv[])
{
    return kesvar::gui::runApplication(argc, argv);
}
