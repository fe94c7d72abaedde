#pragma once
// The media layer the screens call: everything in one include.
//
//   cartellaProgramma(), trovaFile()        data files beside the executable
//   mciSendString(), mciGetErrorString()    command strings (title song)
//   sigla(), chiudi()                       the main window's title song routines
//   MMControl                               media-player control
//   MusicaTavolo                            the game table's songs, card sound, Music menu
//   apriRegole()                            the rules page (links the widgets library)

#include "media/MMControl.h"
#include "media/Mci.h"
#include "media/MusicaTavolo.h"
#include "media/Percorsi.h"
#include "media/Regole.h"
#include "media/Sigla.h"
