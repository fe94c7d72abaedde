#pragma once
// The media layer the screens call: everything in one include.
//
//   cartellaProgramma(), trovaFile()        data files beside the executable
//   mciSendString(), mciGetErrorString()    command strings (title song)
//   sigla(), chiudi()                       the main window's title song routines
//   MMControl                               media-player control
//   MusicaTavolo                            the game table's songs, card sound, Music menu
//   apriRegole()                            the rules page          } in briscola_ui: they
//   mostraErroreMedia()                     the "close all" error box } need the GUI libraries
//
// Wiring, in short:
//   main window load:      sigla(mostraErroreMedia);
//   main window chiudi():  chiudi(mostraErroreMedia);
//   table load:            musica.carica([] { chiudi(mostraErroreMedia); });
//   table unload:          musica.scarica();
//   a card put down:       musica.suonaCarta();
//   Music entry i:         musica.canzoni_Click(i);   check marks follow voceCambiata(int)
//   Rules entry:           apriRegole();

#include "media/Avvisi.h"
#include "media/MMControl.h"
#include "media/Mci.h"
#include "media/MusicaTavolo.h"
#include "media/Percorsi.h"
#include "media/Regole.h"
#include "media/Sigla.h"
