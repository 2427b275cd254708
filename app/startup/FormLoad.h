#pragma once

namespace app {

class Form1;

// Start-up: everything that runs before the quiz window is first shown, in the order
// the player sees its effects, under the start-up handler's trap.
void Form_Load(Form1 &form);

} // namespace app
