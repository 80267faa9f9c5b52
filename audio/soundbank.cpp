// The sound bank (named sounds with variants, loaded from the sound folder)
// and the pool of 31 sample instances that plays them, with the keep-alive
// rule that lets callers hold looping sounds by asking every frame.
#include "audio/audio.h"
#include "audio/audiorules.h"

#include "kwui/console.h"
#include "kwui/dirlist.h"
#include "kwui/geometry.h"

#include <allegro5/allegro_acodec.h>

#include <cstdlib>
#include <cstring>

static constexpr int kReservedSamples = 32;
static constexpr int kPoolSize = 31;

// [SECTION] Start-up and shut-down

bool AudioClass::Init()
{
    if (initialised) return true;
    instances.clear();

    if (!al_install_audio()) {
        lastError = "al_install_audio failed";
        KW_Message("%s", lastError.c_str());
        return false;
    }
    if (!al_init_acodec_addon()) {
        lastError = "al_install_audio failed";
        al_uninstall_audio();
        KW_Message("%s", lastError.c_str());
        return false;
    }
    if (!al_reserve_samples(kReservedSamples)) {
        lastError = "al_reserve_samples failed";
        al_uninstall_audio();
        KW_Message("%s", lastError.c_str());
        return false;
    }

    // Created once without a sample; playing only re-points them.
    instances.resize(kPoolSize);
    for (SampleInstanceSlot& slot : instances) {
        slot.instance = al_create_sample_instance(nullptr);
        slot.loop = false;
        slot.keepAlive = 0;
        slot.name.clear();
    }

    listenerX = 0;
    listenerY = 0;
    hearingDistance = 2000;

    CreateAudioPanel();
    initialised = true;
    return true;
}

void AudioClass::Shutdown()
{
    if (!initialised) return;

    // Every instance goes, free or busy: the pool is made again by Init.
    for (SampleInstanceSlot& slot : instances) {
        if (!slot.instance) continue;
        if (al_get_sample_instance_attached(slot.instance)) {
            al_stop_sample_instance(slot.instance);
            al_detach_sample_instance(slot.instance);
        }
        al_destroy_sample_instance(slot.instance);
    }
    instances.clear();

    DropMusic();
    if (statusBitmap) al_destroy_bitmap(statusBitmap);
    statusBitmap = nullptr;

    UnloadSounds();
    al_uninstall_audio();
    initialised = false;
}

// [SECTION] Loading

void AudioClass::LoadSoundsFrom(const std::string& folder)
{
    DirectoryListClass listing;
    listing.AddExtension("WAV");
    listing.List(folder, DirectoryListClass::FilesOnly, true);

    for (const DirectoryEntry& entry : listing.Entries()) {
        if (entry.isFolder) continue;
        // A name that would be cut could shadow or corrupt another sound.
        if (!SoundNameFits(entry.relativePath)) {
            KW_Message("Skipped %s: its sound name is too long", entry.fullPath.c_str());
            continue;
        }
        const std::string name = SoundNameFromRelativePath(entry.relativePath);
        if (!LoadSample(entry.fullPath.c_str(), name.c_str())) KW_Message("%s", lastError.c_str());
    }
}

// A copy of the sample's first bytes (whole frames only); the sample itself
// when there is nothing to cut or no memory for the copy.
static ALLEGRO_SAMPLE* TrimSample(ALLEGRO_SAMPLE* sample, uint64_t bytes)
{
    const ALLEGRO_CHANNEL_CONF channels = al_get_sample_channels(sample);
    const ALLEGRO_AUDIO_DEPTH depth = al_get_sample_depth(sample);
    const uint64_t frameBytes = al_get_channel_count(channels) * al_get_audio_depth_size(depth);
    const uint64_t frames = frameBytes ? bytes / frameBytes : 0;
    if (frames == 0 || frames >= al_get_sample_length(sample)) return sample;
    void* data = al_malloc(frames * frameBytes);
    if (!data) return sample;
    std::memcpy(data, al_get_sample_data(sample), frames * frameBytes);
    ALLEGRO_SAMPLE* trimmed = al_create_sample(data, static_cast<unsigned int>(frames),
                                               al_get_sample_frequency(sample), depth, channels, true);
    if (!trimmed) {
        al_free(data);
        return sample;
    }
    al_destroy_sample(sample);
    return trimmed;
}

bool AudioClass::LoadSample(const char* path, const char* name)
{
    if (!path || !name) return false;
    // A WAV that is all header (its data cut away, or none there) would load
    // as silence the codec makes up, take a slot and play nothing.
    const WavDataExtent extent = InspectWavData(path);
    if (extent.riff && extent.presentBytes == 0) {
        lastError = std::string("Unable to load sample from ") + path + ": it holds no sound";
        return false;
    }
    ALLEGRO_SAMPLE* sample = al_load_sample(path);
    if (!sample) {
        lastError = std::string("Unable to load sample from ") + path;
        return false;
    }
    if (al_get_sample_length(sample) == 0) {
        // A WAV that is all header would take a slot and play nothing.
        al_destroy_sample(sample);
        lastError = std::string("Unable to load sample from ") + path + ": it holds no sound";
        return false;
    }
    if (extent.riff && extent.presentBytes < extent.declaredBytes) {
        // The part that is there plays; the silence the codec put after it goes.
        sample = TrimSample(sample, extent.presentBytes);
        KW_Message("%s is cut short: %llu of its %llu bytes of sound are there", path,
                   static_cast<unsigned long long>(extent.presentBytes),
                   static_cast<unsigned long long>(extent.declaredBytes));
    }
    const int existing = FindSound(name);
    if (existing != -1) {
        sounds[existing].samples.push_back(sample);
        return true;
    }
    SoundEntry entry;
    entry.samples.push_back(sample);
    entry.name = name;
    sounds.push_back(std::move(entry));
    return true;
}

int AudioClass::FindSound(const char* name) const
{
    if (!name) return -1;
    for (size_t i = 0; i < sounds.size(); ++i)
        if (sounds[i].name == name) return static_cast<int>(i);
    return -1;
}

void AudioClass::UnloadSounds()
{
    if (al_is_audio_installed()) al_stop_samples();
    // No slot may go on pointing at a sample that is about to be freed.
    for (SampleInstanceSlot& slot : instances)
        if (slot.instance && al_get_sample_instance_attached(slot.instance)) FreeSlot(slot);
    for (SoundEntry& entry : sounds) {
        for (ALLEGRO_SAMPLE* sample : entry.samples) al_destroy_sample(sample);
        entry.samples.clear();
    }
    sounds.clear();
    volumeTestSound = -1;
}

// [SECTION] Playing

int AudioClass::FindInstanceByName(const char* name) const
{
    if (!name) return -1;
    for (size_t i = 0; i < instances.size(); ++i) {
        const SampleInstanceSlot& slot = instances[i];
        if (slot.instance && al_get_sample_instance_attached(slot.instance) && slot.name == name)
            return static_cast<int>(i);
    }
    return -1;
}

int AudioClass::FindFreeInstance() const
{
    for (size_t i = 0; i < instances.size(); ++i)
        if (instances[i].instance && !al_get_sample_instance_attached(instances[i].instance))
            return static_cast<int>(i);
    return -1;
}

bool AudioClass::PlaySound(int number, const char* instanceName, int x, int y, bool loop)
{
    if (number < 0 || number >= SoundCount()) {
        KW_Message("No such sound number %d", number);
        return false;
    }
    if (!instanceName) instanceName = "";

    int s = -1;
    if (*instanceName) s = FindInstanceByName(instanceName);
    if (s == -1) s = FindFreeInstance();
    if (s == -1) {
        KW_Message("Cannot play sound instance \"%s\" because there are no available sample instances.",
                   instanceName);
        return false;
    }

    const float pan = static_cast<float>(SoundPan(x, listenerX));
    const float distance = KW_Distance(x, y, listenerX, listenerY);
    if (static_cast<float>(hearingDistance) < distance) return true;
    const float gain = SoundLevel(distance, hearingDistance, soundVolume) / 255.0f;

    SampleInstanceSlot& slot = instances[s];
    if (al_get_sample_instance_attached(slot.instance)) {
        // Still playing under this name: follow the position, never restart.
        slot.keepAlive = 0;
        al_set_sample_instance_gain(slot.instance, gain);
        al_set_sample_instance_pan(slot.instance, pan);
        return true;
    }

    const SoundEntry& entry = sounds[number];
    ALLEGRO_SAMPLE* variant = entry.samples[static_cast<size_t>(std::rand()) % entry.samples.size()];
    if (!al_set_sample(slot.instance, variant)) {
        KW_Message("Could not set sample for instance \"%s\"", instanceName);
        return false;
    }
    if (!al_attach_sample_instance_to_mixer(slot.instance, al_get_default_mixer())) {
        KW_Message("Could attach sample instance to mixer for instance \"%s\"", instanceName);
        return false;
    }
    slot.name = instanceName;
    al_set_sample_instance_playmode(slot.instance, ALLEGRO_PLAYMODE_ONCE);
    slot.loop = loop;
    al_set_sample_instance_gain(slot.instance, gain);
    al_set_sample_instance_pan(slot.instance, pan);
    slot.keepAlive = 0;
    al_play_sample_instance(slot.instance);
    return true;
}

void AudioClass::PlaySoundNumber(int number)
{
    if (number >= 0 && number < SoundCount())
        PlaySound(number, "", 0, 0, false);
    else
        KW_Message("No such sound number %d", number);
}

// [SECTION] Per-frame update

void AudioClass::FreeSlot(SampleInstanceSlot& slot)
{
    al_stop_sample_instance(slot.instance);
    al_detach_sample_instance(slot.instance);
}

void AudioClass::UpdateInstances()
{
    for (SampleInstanceSlot& slot : instances) {
        if (!slot.instance || !al_get_sample_instance_attached(slot.instance)) continue;
        const bool playing = al_get_sample_instance_playing(slot.instance);
        if (slot.loop) {
            slot.keepAlive += 1;
            if (slot.keepAlive > 3) {
                FreeSlot(slot);
            } else if (!playing) {
                al_set_sample_instance_position(slot.instance, 0);
                al_play_sample_instance(slot.instance);
            }
        } else if (!playing) {
            FreeSlot(slot);
        }
    }
}
