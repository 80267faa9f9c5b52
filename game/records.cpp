// The records file: "Sodbolt Records" with a version, an entry count and
// per entry the skill, the level index, the best time in milliseconds and
// the stars. Values no game can produce refuse the file.
#include "game/records.h"

#include "content/binarystream.h"

#include <allegro5/allegro.h>

#include <vector>

namespace {
const char* const kRecordsMagic = "Sodbolt Records";
constexpr int16_t kRecordsVersion = 1;
// Three skills of up to 1000 levels; a time of a day at most.
constexpr int kMaxLevels = 1000;
constexpr int kMaxEntries = 3 * kMaxLevels;
constexpr uint32_t kMaxMilliseconds = 24u * 3600u * 1000u;
}  // namespace

const LevelRecord* Records::Find(int skill, int level) const
{
    const auto found = levels.find({skill, level});
    return found == levels.end() ? nullptr : &found->second;
}

bool Records::AddWin(int skill, int level, int milliseconds, int stars)
{
    LevelRecord& record = levels[{skill, level}];
    const bool best = record.bestMilliseconds == 0 || milliseconds < record.bestMilliseconds;
    if (best) record.bestMilliseconds = milliseconds;
    if (stars > record.stars) record.stars = stars;
    return best;
}

std::string RecordsPathFor(const std::string& savePath)
{
    const size_t dot = savePath.rfind('.');
    const size_t slash = savePath.find_last_of("/\\");
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? savePath.substr(0, dot) : savePath) + ".rec";
}

bool LoadRecords(const std::string& path, Records& records, std::string& error)
{
    records.levels.clear();
    if (!al_filename_exists(path.c_str())) return true;
    BinaryStream in;
    int16_t version = 0;
    if (!in.OpenContentFile(path.c_str(), kRecordsMagic, kRecordsVersion, version, path + " is not a records file.",
                            path + " is too advanced.")) {
        error = in.lastError;
        return false;
    }
    if (version < 1) {
        error = path + " is not a records file.";
        return false;
    }
    const int count = in.ReadInt16();
    if (count < 0 || count > kMaxEntries) {
        error = path + " holds " + std::to_string(count) + " records, more than any game gives.";
        return false;
    }
    Records read;
    for (int i = 0; i < count && !in.Damaged(); ++i) {
        const int skill = in.ReadInt16();
        const int level = in.ReadInt16();
        const uint32_t milliseconds = in.ReadUInt32();
        const int stars = in.ReadInt16();
        if (in.Damaged()) break;
        if (skill < 0 || skill > 2 || level < 0 || level >= kMaxLevels || milliseconds == 0 ||
            milliseconds > kMaxMilliseconds || stars < 1 || stars > 3 || read.Find(skill, level)) {
            error = path + ": record " + std::to_string(i + 1) + " holds values no game gives.";
            return false;
        }
        read.levels[{skill, level}] = {static_cast<int>(milliseconds), stars};
    }
    if (in.Damaged()) {
        error = in.DamagedText();
        return false;
    }
    records = std::move(read);
    return true;
}

bool SaveRecords(const std::string& path, const Records& records, std::string& error)
{
    BinaryStream out;
    if (!out.OpenForWriting(path.c_str())) {
        error = out.lastError;
        return false;
    }
    out.WriteStdString(kRecordsMagic);
    out.WriteInt16(kRecordsVersion);
    out.WriteInt16(static_cast<int16_t>(records.levels.size()));
    for (const auto& [key, record] : records.levels) {
        out.WriteInt16(static_cast<int16_t>(key.first));
        out.WriteInt16(static_cast<int16_t>(key.second));
        const auto milliseconds = static_cast<uint32_t>(record.bestMilliseconds);
        out.WriteUInt16(static_cast<uint16_t>(milliseconds & 0xFFFFu));
        out.WriteUInt16(static_cast<uint16_t>(milliseconds >> 16));
        out.WriteInt16(static_cast<int16_t>(record.stars));
    }
    if (!out.Finish()) {
        error = out.lastError;
        return false;
    }
    return true;
}
