// TMX maps and TSX tile sets: writing them for the Tiled map editor and
// reading back what it writes.
#include "content/tiledmap.h"

#include "content/imagefile.h"
#include "content/map.h"
#include "content/sheets.h"
#include "content/tileset.h"

#include <tinyxml2.h>
#include <sys/stat.h>
#include <zlib.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

namespace {

using tinyxml2::XMLDocument;
using tinyxml2::XMLElement;
using tinyxml2::XMLPrinter;

constexpr int kTile = Tileset::kTileSize;
constexpr uint32_t kFlipBits = 0xF0000000u; // horizontal, vertical, diagonal, hexagonal turn
const char* const kTiledVersion = "1.8";
const char* const kTileLayerName = "field";
const char* const kStartLayerName = "start";

std::string Folder(const std::string& path)
{
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// A file named by a TMX or TSX, relative to that file's folder.
std::string Beside(const std::string& referrer, const std::string& name)
{
    if (!name.empty() && name[0] == '/') return name;
    return Folder(referrer) + name;
}

std::string Number(long long value) { return std::to_string(value); }

void PushProperty(XMLPrinter& out, const char* name, const std::string& value, const char* type = nullptr)
{
    out.OpenElement("property");
    out.PushAttribute("name", name);
    if (type) out.PushAttribute("type", type);
    out.PushAttribute("value", value.c_str());
    out.CloseElement();
}

// The document's text with the XML declaration.
std::string Finish(XMLPrinter& out) { return std::string(out.CStr()); }

bool ParseXml(XMLDocument& document, const std::string& path, const std::string& name, std::string& error)
{
    // A device or a pipe named as a tile set would never end.
    struct stat status;
    if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
        error = name + " cannot be read";
        return false;
    }
    const tinyxml2::XMLError result = document.LoadFile(path.c_str());
    if (result == tinyxml2::XML_ERROR_FILE_NOT_FOUND || result == tinyxml2::XML_ERROR_FILE_COULD_NOT_BE_OPENED ||
        result == tinyxml2::XML_ERROR_FILE_READ_ERROR) {
        error = name + " cannot be read";
        return false;
    }
    if (result != tinyxml2::XML_SUCCESS) {
        error = name + ": not well-formed XML (line " + Number(document.ErrorLineNum()) + ")";
        return false;
    }
    return true;
}

// A whole-number attribute within [lowest, highest]; missing gives fallback.
bool IntAttribute(const XMLElement* element, const char* attribute, long long lowest, long long highest,
                  long long fallback, long long& value)
{
    const char* text = element->Attribute(attribute);
    if (!text) {
        value = fallback;
        return true;
    }
    errno = 0;
    char* end = nullptr;
    const long long number = std::strtoll(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || number < lowest || number > highest) return false;
    value = number;
    return true;
}

// A property's value: the attribute, or the element's text (Tiled writes
// texts with line breaks that way).
std::string PropertyValue(const XMLElement* property)
{
    if (const char* value = property->Attribute("value")) return value;
    const char* text = property->GetText();
    return text ? text : "";
}

std::map<std::string, std::string> ReadProperties(const XMLElement* owner)
{
    std::map<std::string, std::string> properties;
    const XMLElement* list = owner->FirstChildElement("properties");
    if (!list) return properties;
    for (const XMLElement* property = list->FirstChildElement("property"); property;
         property = property->NextSiblingElement("property")) {
        const char* name = property->Attribute("name");
        if (name && !properties.count(name)) properties[name] = PropertyValue(property);
    }
    return properties;
}

// A whole number written as text ("90", "90.0"), within [lowest, highest].
bool WholeNumber(const std::string& text, double lowest, double highest, long long& value)
{
    if (text.empty()) return false;
    char* end = nullptr;
    const double number = std::strtod(text.c_str(), &end);
    if (*end != '\0' || !std::isfinite(number) || number != std::floor(number) || number < lowest || number > highest)
        return false;
    value = static_cast<long long>(number);
    return true;
}

// ---------------------------------------------------------------------------
// [SECTION] Tile sets (TSX)

struct TsxTileset {
    int tileWidth = 0, tileHeight = 0;
    long long tileCount = 0, columns = 0, margin = 0, spacing = 0;
    std::string imageSource; // as written, relative to the TSX
    TileSheetLayout layout;
};

// What makes a tile set ours: 1024 tiles of 32 x 32 pixels in 32 columns.
bool IsSodboltTileset(const TsxTileset& tileset)
{
    return tileset.tileWidth == kTile && tileset.tileHeight == kTile && tileset.tileCount == Tileset::kTileCount &&
           tileset.columns == Tileset::kAtlasColumns;
}

bool ReadTileType(const std::string& text, int8_t& type)
{
    for (int8_t known = TileLand; known <= TileWater; ++known) {
        if (text == GetTileTypeName(known)) {
            type = known;
            return true;
        }
    }
    long long number = 0;
    if (!WholeNumber(text, INT8_MIN, INT8_MAX, number)) return false;
    type = static_cast<int8_t>(number);
    return true;
}

// Reads a <tileset> element (a TSX's root or one embedded in a TMX).
bool ReadTilesetElement(const XMLElement* root, const std::string& name, TsxTileset& tileset, std::string& error)
{
    long long tileWidth = 0, tileHeight = 0;
    if (!IntAttribute(root, "tilewidth", 1, 1 << 20, 0, tileWidth) ||
        !IntAttribute(root, "tileheight", 1, 1 << 20, 0, tileHeight) ||
        !IntAttribute(root, "tilecount", 0, 1 << 30, 0, tileset.tileCount) ||
        !IntAttribute(root, "columns", 0, 1 << 30, 0, tileset.columns) ||
        !IntAttribute(root, "margin", 0, 1 << 20, 0, tileset.margin) ||
        !IntAttribute(root, "spacing", 0, 1 << 20, 0, tileset.spacing)) {
        error = name + ": the tile set's sizes are not whole numbers in range";
        return false;
    }
    tileset.tileWidth = static_cast<int>(tileWidth);
    tileset.tileHeight = static_cast<int>(tileHeight);
    if (const XMLElement* image = root->FirstChildElement("image")) {
        if (const char* source = image->Attribute("source")) tileset.imageSource = source;
    }
    TileSheetLayout& layout = tileset.layout;
    layout.columns = static_cast<int>(tileset.columns);
    layout.margin = static_cast<int>(tileset.margin);
    layout.spacing = static_cast<int>(tileset.spacing);
    layout.tileCount = static_cast<int>(tileset.tileCount);
    const std::map<std::string, std::string> properties = ReadProperties(root);
    const auto description = properties.find("description");
    if (description != properties.end()) {
        layout.hasSetDescription = true;
        layout.setDescription = description->second;
    }
    for (const XMLElement* tile = root->FirstChildElement("tile"); tile; tile = tile->NextSiblingElement("tile")) {
        long long id = -1;
        if (!IntAttribute(tile, "id", 0, 1 << 30, -1, id) || id < 0) {
            error = name + ": a tile has no id of a whole number";
            return false;
        }
        const std::map<std::string, std::string> texts = ReadProperties(tile);
        TileSheetLayout::TileText entry;
        const auto type = texts.find("type");
        if (type != texts.end()) {
            if (!ReadTileType(type->second, entry.type)) {
                error = name + ": tile " + Number(id) + "'s type \"" + type->second +
                        "\" is not Land, Grass, Solid or Water";
                return false;
            }
            entry.hasType = true;
        }
        const auto text = texts.find("description");
        if (text != texts.end()) {
            entry.hasDescription = true;
            entry.description = text->second;
        }
        if (entry.hasType || entry.hasDescription) layout.tiles[static_cast<int>(id)] = entry;
    }
    return true;
}

bool ReadTsx(const std::string& path, TsxTileset& tileset, std::string& error)
{
    const std::string name = FileDisplayName(path);
    XMLDocument document;
    if (!ParseXml(document, path, name, error)) return false;
    const XMLElement* root = document.RootElement();
    if (!root || std::strcmp(root->Name(), "tileset") != 0) {
        error = name + ": not a Tiled tile set (no <tileset>)";
        return false;
    }
    return ReadTilesetElement(root, name, tileset, error);
}

std::string TilesetText(const Tileset& tileset, const std::string& imageName)
{
    XMLPrinter out;
    out.PushHeader(false, true);
    out.OpenElement("tileset");
    out.PushAttribute("version", kTiledVersion);
    out.PushAttribute("name", "sodbolt");
    out.PushAttribute("tilewidth", kTile);
    out.PushAttribute("tileheight", kTile);
    out.PushAttribute("tilecount", Tileset::kTileCount);
    out.PushAttribute("columns", Tileset::kAtlasColumns);
    out.OpenElement("properties");
    PushProperty(out, "description", tileset.description);
    out.CloseElement();
    out.OpenElement("image");
    out.PushAttribute("source", imageName.c_str());
    out.PushAttribute("trans", "ff00ff");
    out.PushAttribute("width", Tileset::kAtlasSize);
    out.PushAttribute("height", Tileset::kAtlasSize);
    out.CloseElement();
    for (int i = 0; i < Tileset::kTileCount; ++i) {
        const Tile& tile = tileset.tiles[i];
        out.OpenElement("tile");
        out.PushAttribute("id", i);
        out.OpenElement("properties");
        PushProperty(out, "description", tile.description);
        const std::string typeName = GetTileTypeName(tile.type);
        PushProperty(out, "type", typeName.empty() ? Number(tile.type) : typeName);
        out.CloseElement();
        out.CloseElement();
    }
    out.CloseElement();
    return Finish(out);
}

// ---------------------------------------------------------------------------
// [SECTION] Tile layers

bool DecodeBase64(const char* text, std::vector<unsigned char>& bytes)
{
    unsigned value = 0;
    int bits = 0;
    bool ended = false;
    for (const char* p = text; *p; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t') continue;
        if (c == '=') {
            ended = true;
            continue;
        }
        int digit;
        if (c >= 'A' && c <= 'Z') digit = c - 'A';
        else if (c >= 'a' && c <= 'z') digit = c - 'a' + 26;
        else if (c >= '0' && c <= '9') digit = c - '0' + 52;
        else if (c == '+') digit = 62;
        else if (c == '/') digit = 63;
        else return false;
        if (ended) return false;
        value = (value << 6) | static_cast<unsigned>(digit);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes.push_back(static_cast<unsigned char>((value >> bits) & 0xFF));
        }
    }
    return true;
}

// zlib or gzip (told apart by their headers); at most limit bytes come out,
// so a small file cannot unpack into a huge one.
bool Inflate(const std::vector<unsigned char>& packed, size_t limit, std::vector<unsigned char>& bytes)
{
    z_stream stream;
    std::memset(&stream, 0, sizeof stream);
    if (inflateInit2(&stream, 15 + 32) != Z_OK) return false;
    bytes.assign(limit + 1, 0);
    stream.next_in = const_cast<unsigned char*>(packed.data());
    stream.avail_in = static_cast<uInt>(packed.size());
    stream.next_out = bytes.data();
    stream.avail_out = static_cast<uInt>(bytes.size());
    const int result = inflate(&stream, Z_FINISH);
    const size_t produced = bytes.size() - stream.avail_out;
    inflateEnd(&stream);
    if (result != Z_STREAM_END) return false;
    bytes.resize(produced);
    return true;
}

bool ReadCsv(const char* text, std::vector<uint32_t>& gids, size_t limit)
{
    const char* p = text;
    while (*p) {
        while (*p == ' ' || *p == '\n' || *p == '\r' || *p == '\t' || *p == ',') ++p;
        if (!*p) break;
        if (*p < '0' || *p > '9') return false;
        uint64_t value = 0;
        while (*p >= '0' && *p <= '9') {
            value = value * 10 + static_cast<uint64_t>(*p - '0');
            if (value > 0xFFFFFFFFull) return false;
            ++p;
        }
        if (gids.size() >= limit) return false;
        gids.push_back(static_cast<uint32_t>(value));
    }
    return true;
}

// The layer's global tile ids, row by row; false with error set.
bool ReadLayerData(const XMLElement* layer, const std::string& name, std::vector<uint32_t>& gids, std::string& error)
{
    const XMLElement* data = layer->FirstChildElement("data");
    if (!data) {
        error = name + ": the tile layer has no data";
        return false;
    }
    if (data->FirstChildElement("chunk")) {
        error = name + ": the map is infinite; Sodbolt maps are 25 x 16";
        return false;
    }
    const std::string encoding = data->Attribute("encoding") ? data->Attribute("encoding") : "";
    const std::string compression = data->Attribute("compression") ? data->Attribute("compression") : "";
    const char* text = data->GetText() ? data->GetText() : "";
    const size_t limit = Map::kCellCount;
    if (encoding.empty()) {
        for (const XMLElement* tile = data->FirstChildElement("tile"); tile; tile = tile->NextSiblingElement("tile")) {
            long long gid = 0;
            if (!IntAttribute(tile, "gid", 0, 0xFFFFFFFFll, 0, gid) || gids.size() >= limit) {
                error = name + ": the tile layer's data is not 400 tile numbers";
                return false;
            }
            gids.push_back(static_cast<uint32_t>(gid));
        }
    } else if (encoding == "csv") {
        if (!ReadCsv(text, gids, limit)) {
            error = name + ": the tile layer's data is not 400 tile numbers";
            return false;
        }
    } else if (encoding == "base64") {
        std::vector<unsigned char> bytes;
        if (!DecodeBase64(text, bytes)) {
            error = name + ": the tile layer's base64 data is damaged";
            return false;
        }
        if (compression == "zlib" || compression == "gzip") {
            std::vector<unsigned char> packed;
            packed.swap(bytes);
            if (!Inflate(packed, limit * 4, bytes)) {
                error = name + ": the tile layer's " + compression + " data is damaged or truncated";
                return false;
            }
        } else if (!compression.empty()) {
            error = name + ": the tile layer is compressed with " + compression + "; use zlib, gzip or none";
            return false;
        }
        if (bytes.size() % 4 != 0 || bytes.size() > limit * 4) {
            error = name + ": the tile layer's data is not 400 tile numbers";
            return false;
        }
        for (size_t i = 0; i < bytes.size(); i += 4)
            gids.push_back(static_cast<uint32_t>(bytes[i]) | static_cast<uint32_t>(bytes[i + 1]) << 8 |
                           static_cast<uint32_t>(bytes[i + 2]) << 16 | static_cast<uint32_t>(bytes[i + 3]) << 24);
    } else {
        error = name + ": the tile layer's encoding \"" + encoding + "\" is not CSV or base64";
        return false;
    }
    if (gids.size() != limit) {
        error = name + ": the tile layer holds " + Number(static_cast<long long>(gids.size())) +
                " cells; a Sodbolt map has 400";
        return false;
    }
    return true;
}

std::string CellName(size_t index)
{
    return "(" + Number(static_cast<long long>(index % Map::kColumns)) + ", " +
           Number(static_cast<long long>(index / Map::kColumns)) + ")";
}

} // namespace

std::string FileDisplayName(const std::string& path)
{
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// ---------------------------------------------------------------------------
// [SECTION] Export

bool ExportTilesetToTsx(const Tileset& tileset, const std::string& path, std::string& error)
{
    const std::string pngPath = ReplaceExtension(path, ".png");
    ALLEGRO_BITMAP* sheet = MakeTileSheet(tileset);
    if (!sheet) {
        error = "Unable to allocate tile";
        return false;
    }
    const bool ok = SaveBitmapReplacing(pngPath.c_str(), sheet);
    al_destroy_bitmap(sheet);
    if (!ok) {
        error = "Unable to write " + pngPath;
        return false;
    }
    if (!SaveTextReplacing(path.c_str(), TilesetText(tileset, FileDisplayName(pngPath)))) {
        error = "Unable to write " + path;
        return false;
    }
    return true;
}

bool ExportMapToTmx(const Map& map, const std::string& path, std::string& error)
{
    for (size_t i = 0; i < map.cells.size(); ++i) {
        if (map.cells[i] >= Tileset::kTileCount) {
            error = "Cell " + CellName(i) + " holds " + Number(map.cells[i]) +
                    ", which names no tile: a Tiled map can only hold tiles 0 to 1023";
            return false;
        }
    }
    std::string setName = map.tileSetFile.empty() ? "sodbolt" : FileDisplayName(map.tileSetFile);
    setName = ReplaceExtension(setName, ".tsx");
    const std::string tsxPath = Folder(path) + setName;
    if (!ExportTilesetToTsx(map.tileSet, tsxPath, error)) return false;

    XMLPrinter out;
    out.PushHeader(false, true);
    out.OpenElement("map");
    out.PushAttribute("version", kTiledVersion);
    out.PushAttribute("orientation", "orthogonal");
    out.PushAttribute("renderorder", "right-down");
    out.PushAttribute("width", Map::kColumns);
    out.PushAttribute("height", Map::kRows);
    out.PushAttribute("tilewidth", kTile);
    out.PushAttribute("tileheight", kTile);
    out.PushAttribute("infinite", 0);
    out.PushAttribute("nextlayerid", 3);
    out.PushAttribute("nextobjectid", 2);
    out.OpenElement("properties");
    PushProperty(out, "author", map.author);
    PushProperty(out, "cloudCount", Number(map.cloudCount), "int");
    PushProperty(out, "timeLimit", Number(map.timeLimit), "int");
    PushProperty(out, "title", map.title);
    out.CloseElement();
    out.OpenElement("tileset");
    out.PushAttribute("firstgid", 1);
    out.PushAttribute("source", setName.c_str());
    out.CloseElement();
    out.OpenElement("layer");
    out.PushAttribute("id", 1);
    out.PushAttribute("name", kTileLayerName);
    out.PushAttribute("width", Map::kColumns);
    out.PushAttribute("height", Map::kRows);
    out.OpenElement("data");
    out.PushAttribute("encoding", "csv");
    std::string csv = "\n";
    for (int row = 0; row < Map::kRows; ++row) {
        for (int column = 0; column < Map::kColumns; ++column) {
            csv += Number(map.cells[row * Map::kColumns + column] + 1);
            if (row < Map::kRows - 1 || column < Map::kColumns - 1) csv += ",";
        }
        csv += "\n";
    }
    out.PushText(csv.c_str());
    out.CloseElement(true);
    out.CloseElement();
    out.OpenElement("objectgroup");
    out.PushAttribute("id", 2);
    out.PushAttribute("name", kStartLayerName);
    out.OpenElement("object");
    out.PushAttribute("id", 1);
    out.PushAttribute("name", "start");
    out.PushAttribute("x", map.startX);
    out.PushAttribute("y", map.startY);
    out.OpenElement("point");
    out.CloseElement();
    out.CloseElement();
    out.CloseElement();
    out.CloseElement();
    if (!SaveTextReplacing(path.c_str(), Finish(out))) {
        error = "Unable to write " + path;
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// [SECTION] Import

bool ImportMapFromTmx(Map& map, const std::string& path, std::string& error)
{
    const std::string name = FileDisplayName(path);
    XMLDocument document;
    if (!ParseXml(document, path, name, error)) return false;
    const XMLElement* root = document.RootElement();
    if (!root || std::strcmp(root->Name(), "map") != 0) {
        error = name + ": not a Tiled map (no <map>)";
        return false;
    }
    const char* orientation = root->Attribute("orientation");
    if (orientation && std::strcmp(orientation, "orthogonal") != 0) {
        error = name + ": the map is " + orientation + "; Sodbolt maps are orthogonal";
        return false;
    }
    long long width = 0, height = 0, tileWidth = 0, tileHeight = 0, infinite = 0;
    if (!IntAttribute(root, "width", 0, 1 << 30, 0, width) || !IntAttribute(root, "height", 0, 1 << 30, 0, height) ||
        !IntAttribute(root, "tilewidth", 0, 1 << 30, 0, tileWidth) ||
        !IntAttribute(root, "tileheight", 0, 1 << 30, 0, tileHeight) ||
        !IntAttribute(root, "infinite", 0, 1, 0, infinite)) {
        error = name + ": the map's sizes are not whole numbers in range";
        return false;
    }
    if (infinite) {
        error = name + ": the map is infinite; Sodbolt maps are 25 x 16";
        return false;
    }
    if (width != Map::kColumns || height != Map::kRows) {
        error = name + ": the map is " + Number(width) + " x " + Number(height) + " tiles; Sodbolt maps are 25 x 16";
        return false;
    }
    if (tileWidth != kTile || tileHeight != kTile) {
        error = name + ": the tiles are " + Number(tileWidth) + " x " + Number(tileHeight) +
                " pixels; Sodbolt tiles are 32 x 32";
        return false;
    }

    // Our tile set: its first id. Other tile sets only matter when a cell uses them.
    long long firstGid = -1;
    for (const XMLElement* set = root->FirstChildElement("tileset"); set; set = set->NextSiblingElement("tileset")) {
        long long first = 0;
        if (!IntAttribute(set, "firstgid", 1, 0x0FFFFFFFll, 0, first) || first == 0) {
            error = name + ": a tile set has no firstgid of a whole number";
            return false;
        }
        TsxTileset tileset;
        std::string setName;
        if (const char* source = set->Attribute("source")) {
            setName = source;
            if (!ReadTsx(Beside(path, source), tileset, error)) return false;
        } else {
            setName = set->Attribute("name") ? set->Attribute("name") : "(embedded)";
            if (!ReadTilesetElement(set, name, tileset, error)) return false;
        }
        if (!IsSodboltTileset(tileset)) {
            error = name + ": the tile set " + setName +
                    " is not a Sodbolt tile set (1024 tiles of 32 x 32 pixels in 32 columns)";
            return false;
        }
        if (firstGid < 0) firstGid = first;
    }
    if (firstGid < 0) {
        error = name + ": the map has no tile set";
        return false;
    }

    const XMLElement* layer = root->FirstChildElement("layer");
    if (!layer) {
        error = name + ": the map has no tile layer";
        return false;
    }
    long long layerWidth = 0, layerHeight = 0;
    if (!IntAttribute(layer, "width", 0, 1 << 30, Map::kColumns, layerWidth) ||
        !IntAttribute(layer, "height", 0, 1 << 30, Map::kRows, layerHeight) || layerWidth != Map::kColumns ||
        layerHeight != Map::kRows) {
        error = name + ": the tile layer is not 25 x 16 tiles";
        return false;
    }
    std::vector<uint32_t> gids;
    if (!ReadLayerData(layer, name, gids, error)) return false;
    std::array<uint16_t, Map::kCellCount> cells{};
    for (size_t i = 0; i < gids.size(); ++i) {
        const uint32_t gid = gids[i];
        if (gid & kFlipBits) {
            error = name + ": cell " + CellName(i) + " is flipped or turned; Sodbolt tiles cannot be";
            return false;
        }
        if (gid == 0) {
            error = name + ": cell " + CellName(i) + " is empty; every Sodbolt cell holds a tile";
            return false;
        }
        if (gid < firstGid || gid >= firstGid + Tileset::kTileCount) {
            error = name + ": cell " + CellName(i) + " holds tile " + Number(gid) + ", outside the Sodbolt tile set";
            return false;
        }
        cells[i] = static_cast<uint16_t>(gid - firstGid);
    }

    // Settings a map made in Tiled may lack take a new map's values.
    std::string title = "New Map", author;
    long long timeLimit = 90, cloudCount = 0, startX = 400, startY = 256;
    const std::map<std::string, std::string> properties = ReadProperties(root);
    for (const auto& entry : properties) {
        if (entry.first == "title") title = entry.second;
        else if (entry.first == "author") author = entry.second;
        else if (entry.first == "timeLimit" || entry.first == "cloudCount") {
            long long& value = entry.first == "timeLimit" ? timeLimit : cloudCount;
            if (!WholeNumber(entry.second, 0, 65535, value)) {
                error = name + ": the property " + entry.first + " is \"" + entry.second +
                        "\"; it must be a whole number from 0 to 65535";
                return false;
            }
        }
    }
    if (title.size() > 32767 || author.size() > 32767) {
        error = name + ": the title or author is longer than 32767 bytes";
        return false;
    }
    for (const XMLElement* group = root->FirstChildElement("objectgroup"); group;
         group = group->NextSiblingElement("objectgroup")) {
        const char* groupName = group->Attribute("name");
        if (!groupName || std::strcmp(groupName, kStartLayerName) != 0) continue;
        const XMLElement* object = group->FirstChildElement("object");
        if (!object) break;
        const double x = object->DoubleAttribute("x", 0.0), y = object->DoubleAttribute("y", 0.0);
        if (!(x >= 0 && x <= 65535 && y >= 0 && y <= 65535)) {
            error = name + ": the start point lies outside 0 to 65535";
            return false;
        }
        startX = std::lround(x);
        startY = std::lround(y);
        break;
    }

    map.cells = cells;
    map.title = title;
    map.author = author;
    map.timeLimit = static_cast<uint16_t>(timeLimit);
    map.cloudCount = static_cast<uint16_t>(cloudCount);
    map.startX = static_cast<uint16_t>(startX);
    map.startY = static_cast<uint16_t>(startY);
    return true;
}

bool ImportTilesetFromTsx(Tileset& tileset, const std::string& path, std::string& error)
{
    const std::string name = FileDisplayName(path);
    TsxTileset tsx;
    if (!ReadTsx(path, tsx, error)) return false;
    if (tsx.tileWidth != kTile || tsx.tileHeight != kTile) {
        error = name + ": the tiles are " + Number(tsx.tileWidth) + " x " + Number(tsx.tileHeight) +
                " pixels; Sodbolt tiles are 32 x 32";
        return false;
    }
    if (tsx.imageSource.empty()) {
        error = name + ": the tile set names no sheet picture";
        return false;
    }
    const std::string imagePath = Beside(path, tsx.imageSource);
    ALLEGRO_BITMAP* sheet = LoadPictureAsMemory(imagePath);
    if (!sheet) {
        error = name + ": its sheet " + tsx.imageSource + " cannot be read";
        return false;
    }
    const bool ok = ApplyTileSheet(tileset, sheet, tsx.layout, name, error);
    al_destroy_bitmap(sheet);
    return ok;
}
