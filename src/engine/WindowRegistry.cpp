#include "WindowRegistry.h"

WindowRegistry &windowRegistry()
{
    static WindowRegistry registry;
    return registry;
}
