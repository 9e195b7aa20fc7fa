#pragma once

#include "languages/LanguageFactory.h"

// The language the user last chose in the Varnel window.
LanguageFactory::Language stored_language();
