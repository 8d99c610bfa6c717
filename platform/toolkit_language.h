#pragma once

// Makes the toolkit's own dialogs (printer set-up, file dialogs, standard
// buttons) speak Japanese like the rest of the program. Call once, after the
// application object exists; without the translation files it changes nothing.
void InstallToolkitTranslation();
