#include "commands/command_entry.h"
