#pragma once
// The create-samples command: stores the three sample formats that do not exist yet.
#include "cli/SubCommand.h"

SubCommand SamplesSubCommand();
