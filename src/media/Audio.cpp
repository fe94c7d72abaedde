#include "Audio.h"

#include "Mci.h"
#include "Percorsi.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>

#include <SDL.h>
#include <fluidsynth.h>

#ifdef BRISCOLA_ALSA
#include <alsa/asoundlib.h>
#endif

#include <algorithm>
#include <cstring>
#include <mutex>
#include <optional>
#include <thread>

namespace orvento {

namespace {

// Sound files are read whole; nothing the program plays comes near this.
constexpr qint64 massimoFile = 64 * 1024 * 1024;

// The waves are converted once, when opened, to the mixer's own format.
bool decodificaWave(const QByteArray &dati, std::vector<float> &campioni)
{
    SDL_RWops *rw = SDL_RWFromConstMem(dati.constData(), int(dati.size()));
    if (!rw)
        return false;
    SDL_AudioSpec spec;
    Uint8 *buffer = nullptr;
    Uint32 lunghezza = 0;
    if (!SDL_LoadWAV_RW(rw, 1, &spec, &buffer, &lunghezza))
        return false;
    SDL_AudioCVT cvt;
    const int serve = SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq,
                                        AUDIO_F32SYS, 2, Suono::frequenza);
    if (serve < 0) {
        SDL_FreeWAV(buffer);
        return false;
    }
    std::vector<Uint8> lavoro(std::size_t(lunghezza) * std::max(1, cvt.len_mult));
    std::memcpy(lavoro.data(), buffer, lunghezza);
    SDL_FreeWAV(buffer);
    std::size_t byteFinali = lunghezza;
    if (serve > 0) {
        cvt.buf = lavoro.data();
        cvt.len = int(lunghezza);
        if (SDL_ConvertAudio(&cvt) < 0)
            return false;
        byteFinali = std::size_t(cvt.len_cvt);
    }
    const std::size_t n = byteFinali / sizeof(float) / 2 * 2;
    campioni.resize(n);
    std::memcpy(campioni.data(), lavoro.data(), n * sizeof(float));
    return true;
}

std::int64_t campioneDi(double secondi)
{
    return static_cast<std::int64_t>(secondi * Suono::frequenza);
}

void invia(fluid_synth_t *synth, const EventoMidi &e)
{
    const int canale = e.stato & 0x0F;
    switch (e.stato & 0xF0) {
    case 0x80: fluid_synth_noteoff(synth, canale, e.dato1); break;
    case 0x90: fluid_synth_noteon(synth, canale, e.dato1, e.dato2); break;
    case 0xA0: fluid_synth_key_pressure(synth, canale, e.dato1, e.dato2); break;
    case 0xB0: fluid_synth_cc(synth, canale, e.dato1, e.dato2); break;
    case 0xC0: fluid_synth_program_change(synth, canale, e.dato1); break;
    case 0xD0: fluid_synth_channel_pressure(synth, canale, e.dato1); break;
    case 0xE0: fluid_synth_pitch_bend(synth, canale, e.dato1 | (e.dato2 << 7)); break;
    default: break;
    }
}

void silenziaRegistro(int, const char *, void *) {}

#ifdef BRISCOLA_ALSA
void silenziaAlsa(const char *, int, const char *, int, const char *, ...) {}
#endif

} // namespace

std::shared_ptr<const Suono> Suono::apri(const QString &percorso, int &codice)
{
    const QString reale = risolviPercorso(percorso);
    if (reale.isEmpty()) {
        codice = mci::fileNonTrovato;
        return nullptr;
    }
    codice = mci::fileNonValido;
    QFile file(reale);
    if (file.size() > massimoFile || !file.open(QIODevice::ReadOnly))
        return nullptr;
    const QByteArray dati = file.readAll();

    std::shared_ptr<Suono> s(new Suono);
    if (dati.startsWith("MThd")) {
        auto sequenza = leggiMidi(dati);
        if (!sequenza)
            return nullptr;
        s->tipo_ = Tipo::Midi;
        s->durata_ = sequenza->durata;
        s->midi_ = std::move(*sequenza);
    } else if (dati.startsWith("RIFF") && dati.mid(8, 4) == "WAVE") {
        if (!decodificaWave(dati, s->campioni_))
            return nullptr;
        s->tipo_ = Tipo::Wave;
        s->durata_ = double(s->campioni_.size() / 2) / frequenza;
    } else {
        return nullptr;
    }
    codice = 0;
    return s;
}

struct MotoreAudio::Dati {
    struct VoceMidi {
        quint64 id = 0;
        std::shared_ptr<const Suono> suono;
        double da = 0;
        std::size_t prossimo = 0;
        std::int64_t cursore = 0;
        bool daPreparare = true;
    };
    struct VoceWave {
        quint64 id = 0;
        std::shared_ptr<const Suono> suono;
        std::size_t posizione = 0;
    };

    // Shared with the audio thread and the start-up worker; held only briefly,
    // and never while calling into the SDL device (which has its own lock).
    std::mutex mutex;
    Stato stato = Stato::Spento;
    SDL_AudioDeviceID dispositivo = 0;
    fluid_settings_t *impostazioni = nullptr;
    fluid_synth_t *synth = nullptr;
    std::optional<VoceMidi> midi;
    bool zittisci = false;
    std::vector<VoceWave> wave;
    quint64 prossimoId = 1;

    // User-interface thread only.
    std::thread avvio;
    QPointer<QTimer> pausa;

    static void SDLCALL riempi(void *utente, Uint8 *flusso, int byte);
    void mescola(float *uscita, int quadri);
    void prepara(VoceMidi &voce);
    void avvia(QStringList soundfont);
    double secondiAncoraAttivi();
    void programmaPausa(double secondi);
};

void SDLCALL MotoreAudio::Dati::riempi(void *utente, Uint8 *flusso, int byte)
{
    static_cast<Dati *>(utente)->mescola(reinterpret_cast<float *>(flusso), byte / int(2 * sizeof(float)));
}

void MotoreAudio::Dati::prepara(VoceMidi &voce)
{
    // A song may start anywhere: reset the synthesiser, then replay every
    // program and controller change before the start so the instruments are right.
    fluid_synth_all_sounds_off(synth, -1);
    fluid_synth_system_reset(synth);
    const auto &eventi = voce.suono->midi().eventi;
    voce.cursore = campioneDi(voce.da);
    voce.prossimo = 0;
    while (voce.prossimo < eventi.size() && campioneDi(eventi[voce.prossimo].secondi) < voce.cursore) {
        const EventoMidi &e = eventi[voce.prossimo];
        const int tipo = e.stato & 0xF0;
        if (tipo != 0x80 && tipo != 0x90 && tipo != 0xA0)
            invia(synth, e);
        ++voce.prossimo;
    }
    voce.daPreparare = false;
}

void MotoreAudio::Dati::mescola(float *uscita, int quadri)
{
    std::fill(uscita, uscita + 2 * quadri, 0.0f);
    std::lock_guard blocco(mutex);
    if (synth) {
        if (zittisci) {
            fluid_synth_all_sounds_off(synth, -1);
            zittisci = false;
        }
        if (midi && midi->daPreparare)
            prepara(*midi);
        // Events are sent at the start of each block of 64 frames (1.5 ms).
        for (int fatto = 0; fatto < quadri;) {
            const int passo = std::min(64, quadri - fatto);
            if (midi) {
                const auto &eventi = midi->suono->midi().eventi;
                const std::int64_t limite = midi->cursore + passo;
                while (midi->prossimo < eventi.size() && campioneDi(eventi[midi->prossimo].secondi) < limite)
                    invia(synth, eventi[midi->prossimo++]);
                midi->cursore = limite;
                if (midi->cursore >= campioneDi(midi->suono->durata()))
                    midi.reset(); // the release tails still sound out
            }
            fluid_synth_write_float(synth, passo, uscita, 2 * fatto, 2, uscita, 2 * fatto + 1, 2);
            fatto += passo;
        }
    }
    for (auto it = wave.begin(); it != wave.end();) {
        const auto &campioni = it->suono->campioni();
        const std::size_t n = std::min<std::size_t>(campioni.size() - std::min(campioni.size(), it->posizione),
                                                    std::size_t(2 * quadri));
        for (std::size_t i = 0; i < n; ++i)
            uscita[i] += 0.6f * campioni[it->posizione + i]; // under the music, not over it
        it->posizione += n;
        if (it->posizione >= campioni.size())
            it = wave.erase(it);
        else
            ++it;
    }
    for (int i = 0; i < 2 * quadri; ++i)
        uscita[i] = std::clamp(uscita[i], -1.0f, 1.0f);
}

// Runs once on the start-up worker: everything that may take time.
void MotoreAudio::Dati::avvia(QStringList soundfont)
{
    auto muto = [this] {
        std::lock_guard blocco(mutex);
        stato = Stato::Muto;
    };
#ifdef BRISCOLA_ALSA
    snd_lib_error_set_handler(&silenziaAlsa);
#endif
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return muto();
    SDL_AudioSpec voluto{};
    voluto.freq = Suono::frequenza;
    voluto.format = AUDIO_F32SYS;
    voluto.channels = 2;
    voluto.samples = 1024;
    voluto.callback = &Dati::riempi;
    voluto.userdata = this;
    SDL_AudioSpec ottenuto{};
    // No allowed changes: SDL converts to whatever the hardware wants.
    const SDL_AudioDeviceID dev = SDL_OpenAudioDevice(nullptr, 0, &voluto, &ottenuto, 0);
    if (!dev) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return muto();
    }

    for (int livello : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(livello, &silenziaRegistro, nullptr);
    fluid_settings_t *imp = new_fluid_settings();
    fluid_synth_t *sintetizzatore = nullptr;
    if (imp) {
        fluid_settings_setnum(imp, "synth.sample-rate", Suono::frequenza);
        fluid_settings_setnum(imp, "synth.gain", 0.5);
        sintetizzatore = new_fluid_synth(imp);
    }
    bool caricato = false;
    for (const QString &sf : soundfont) {
        if (sintetizzatore && fluid_synth_sfload(sintetizzatore, QFile::encodeName(sf).constData(), 1) != FLUID_FAILED) {
            caricato = true;
            break;
        }
    }
    if (!caricato && sintetizzatore) { // songs stay silent; waves still play
        delete_fluid_synth(sintetizzatore);
        sintetizzatore = nullptr;
    }

    bool attivo;
    {
        std::lock_guard blocco(mutex);
        impostazioni = imp;
        synth = sintetizzatore;
        dispositivo = dev;
        stato = Stato::Pronto;
        attivo = midi || !wave.empty();
    }
    if (attivo)
        SDL_PauseAudioDevice(dev, 0);
}

double MotoreAudio::Dati::secondiAncoraAttivi()
{
    std::lock_guard blocco(mutex);
    double resta = 0;
    if (midi)
        resta = std::max(resta, midi->suono->durata() - std::max(midi->da, double(midi->cursore) / Suono::frequenza));
    for (const VoceWave &v : wave)
        resta = std::max(resta, double(v.suono->campioni().size() - v.posizione) / 2 / Suono::frequenza);
    return resta;
}

// The device is paused a little after the last sound ends (the synthesiser's
// release tails need a moment), so nothing runs while the program is silent.
void MotoreAudio::Dati::programmaPausa(double secondi)
{
    if (!pausa) {
        auto *app = QCoreApplication::instance();
        if (!app)
            return;
        pausa = new QTimer(app);
        pausa->setSingleShot(true);
        QObject::connect(pausa, &QTimer::timeout, pausa, [this] {
            const double resta = secondiAncoraAttivi();
            if (resta > 0) {
                programmaPausa(resta);
                return;
            }
            SDL_AudioDeviceID dev;
            {
                std::lock_guard blocco(mutex);
                dev = dispositivo;
            }
            if (dev)
                SDL_PauseAudioDevice(dev, 1);
        });
    }
    const int ms = int(std::min(secondi + 2.0, 3600.0) * 1000);
    if (!pausa->isActive() || pausa->remainingTime() < ms)
        pausa->start(ms);
}

MotoreAudio::MotoreAudio() : d(std::make_unique<Dati>())
{
    if (qEnvironmentVariable("BRISCOLA_AUDIO") == QLatin1String("0"))
        d->stato = Stato::Muto;
}

MotoreAudio::~MotoreAudio()
{
    if (d->avvio.joinable())
        d->avvio.join();
    if (d->dispositivo) {
        SDL_CloseAudioDevice(d->dispositivo);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    if (d->synth)
        delete_fluid_synth(d->synth);
    if (d->impostazioni)
        delete_fluid_settings(d->impostazioni);
    delete d->pausa.data();
}

MotoreAudio &MotoreAudio::istanza()
{
    static MotoreAudio motore;
    return motore;
}

void MotoreAudio::disattiva()
{
    MotoreAudio &m = istanza();
    std::lock_guard blocco(m.d->mutex);
    if (m.d->stato == Stato::Spento)
        m.d->stato = Stato::Muto;
}

MotoreAudio::Stato MotoreAudio::stato() const
{
    std::lock_guard blocco(d->mutex);
    return d->stato;
}

quint64 MotoreAudio::suona(std::shared_ptr<const Suono> suono, double daSecondi)
{
    if (!suono)
        return 0;
    quint64 id;
    Stato stato;
    SDL_AudioDeviceID dev;
    {
        std::lock_guard blocco(d->mutex);
        stato = d->stato;
        dev = d->dispositivo;
        id = d->prossimoId++;
        if (stato == Stato::Muto)
            return id; // nothing will ever sound: keep no voice at all
        if (suono->tipo() == Suono::Tipo::Midi) {
            Dati::VoceMidi voce;
            voce.id = id;
            voce.suono = suono;
            voce.da = std::max(0.0, daSecondi);
            d->midi = std::move(voce);
        } else {
            Dati::VoceWave voce;
            voce.id = id;
            voce.suono = suono;
            voce.posizione = std::size_t(std::max<std::int64_t>(0, campioneDi(daSecondi))) * 2;
            d->wave.push_back(std::move(voce));
        }
        if (stato == Stato::Spento)
            d->stato = Stato::Avvio;
    }
    if (stato == Stato::Spento) {
        // Paths are worked out here: the worker must not touch the application object.
        QStringList soundfont;
        for (const QString &nome : {QStringLiteral("FluidR3_GM.sf2"), QStringLiteral("default-GM.sf2")}) {
            const QString accanto = trovaFile(nome);
            if (!accanto.isEmpty())
                soundfont << accanto;
        }
        soundfont << QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2")
                  << QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2")
                  << QStringLiteral("/usr/share/soundfonts/default.sf2");
        d->avvio = std::thread([dati = d.get(), soundfont] {
            dati->avvia(soundfont);
            SDL_TLSCleanup(); // SDL keeps per-thread data for threads it did not start
        });
    }
    if (dev)
        SDL_PauseAudioDevice(dev, 0);
    d->programmaPausa(suono->durata() - daSecondi);
    return id;
}

void MotoreAudio::ferma(quint64 voce)
{
    std::lock_guard blocco(d->mutex);
    if (d->midi && d->midi->id == voce) {
        d->midi.reset();
        d->zittisci = true;
    }
    std::erase_if(d->wave, [voce](const Dati::VoceWave &v) { return v.id == voce; });
}

} // namespace orvento
