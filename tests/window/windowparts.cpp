#include "tests/window/windowparts.h"

WindowParts::WindowParts(const std::string& playerName)
    : store(folder / "brackwater.INI"), player{playerName, {}, {}}
{
}
