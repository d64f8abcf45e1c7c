#pragma once

#include "ui/JosekiBrowserDialog.h"

namespace joseki {

class JosekiBrowserApp;
class MessageService;

// The hooks that bring the splash picture, the links and the acknowledgement
// dialog into the main dialog.
DialogHooks controlDialogHooks(MessageService& messages);

// Gives the application the splash relay for its event filter and the
// dialog hooks above.
void installControlHooks(JosekiBrowserApp& app);

} // namespace joseki
