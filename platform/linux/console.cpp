#include "platform/console.h"

#include <unistd.h>

bool IsInputInteractive()
{
    return isatty(STDIN_FILENO) == 1;
}
