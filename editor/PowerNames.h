#pragma once
#include <QString>

class Empire;
class Game;

namespace editor {

// The name the game gives a power, as the editor shows it ("No one" for none).
QString powerName(const Game& game, const Empire* empire);

}  // namespace editor
