#include "cli/Report.h"

#include "cli/JsonText.h"

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLatin1String>

namespace {

std::string Number(std::int64_t n) {
    return std::to_string(n);
}

// Times go as seconds and nanoseconds apart: each fits a double exactly, so that readers whose
// numbers are doubles (jq, node) keep them as they are.
std::string JsonMember(const Member& m) {
    const platform::FileStamp& s = m.stamp;
    std::string out = "{" + JsonPathField("path", m.path);
    out += ", \"device\": " + Number(static_cast<std::int64_t>(s.identity.device));
    out += ", \"inode\": " + Number(static_cast<std::int64_t>(s.identity.inode));
    out += ", \"size\": " + Number(s.size);
    out += ", \"mtime\": " + Number(s.modified / 1000000000) +
           ", \"mtime_nsec\": " + Number(s.modified % 1000000000);
    out += ", \"ctime\": " + Number(s.changed / 1000000000) +
           ", \"ctime_nsec\": " + Number(s.changed % 1000000000);
    if (m.reference)
        out += ", \"reference\": true";
    if (m.trusted)
        out += ", \"trusted_digest\": true";
    return out + "}";
}

std::string Counted(std::int64_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

} // namespace

void PrintGroups(const GroupSource& groups, Format format, std::FILE* out) {
    const char end = format == Format::Null ? '\0' : '\n';
    std::string text = format == Format::Json ? "[" : "";
    Group group;
    std::size_t g = 0;
    for (; groups(group); ++g) {
        if (format == Format::Json) {
            text += g == 0 ? "\n  [" : ",\n  [";
            for (std::size_t i = 0; i < group.size(); ++i)
                text += (i ? ",\n   " : "") + JsonMember(group[i]);
            text += "]";
        } else {
            if (g > 0)
                text += end;
            for (const Member& m : group) {
                text += m.path;
                text += end;
            }
        }
        if (text.size() > (1 << 16)) {
            std::fwrite(text.data(), 1, text.size(), out);
            text.clear();
        }
    }
    if (format == Format::Json)
        text += g == 0 ? "]\n" : "\n]\n";
    std::fwrite(text.data(), 1, text.size(), out);
}

void PrintSummary(const GroupSource& groups, KeepRule rule, bool json, std::FILE* out) {
    std::int64_t files = 0, bytes = 0, counted = 0;
    for (Group group; groups(group);) {
        const std::int64_t going =
            std::int64_t(group.size()) - std::int64_t(KeptMembers(group, rule).size());
        counted += going > 0;
        files += going;
        bytes += going * group.front().stamp.size;
    }
    const std::string line = json ? "{\"groups\": " + Number(counted) +
                                        ", \"redundantFiles\": " + Number(files) +
                                        ", \"redundantBytes\": " + Number(bytes) + "}"
                                  : Counted(counted, "group", "groups") + ", " +
                                        Counted(files, "redundant file", "redundant files") + ", " +
                                        Counted(bytes, "byte", "bytes");
    std::fprintf(out, "%s\n", line.c_str());
}

bool ReadReport(const std::string& file, std::vector<Group>& groups, std::string& error) {
    QFile in(QString::fromLocal8Bit(file.c_str()));
    if (!in.open(QIODevice::ReadOnly)) {
        error = in.errorString().toStdString();
        return false;
    }
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(in.readAll(), &parse);
    if (parse.error != QJsonParseError::NoError) {
        error = "not a report of kelvaro-find --json: " + parse.errorString().toStdString() +
                " at byte " + std::to_string(parse.offset);
        return false;
    }
    const auto bad = [&](const std::string& why) {
        error = "not a report of kelvaro-find --json: " + why;
        return false;
    };
    if (!doc.isArray())
        return bad("it is no array of groups");
    groups.clear();
    for (const QJsonValue& g : doc.array()) {
        if (!g.isArray())
            return bad("a group is no array");
        Group group;
        for (const QJsonValue& v : g.toArray()) {
            const QJsonObject o = v.toObject();
            Member m;
            if (o.contains(QLatin1String("path_base64"))) {
                const auto decoded = QByteArray::fromBase64Encoding(
                    o.value(QLatin1String("path_base64")).toString().toLatin1(),
                    QByteArray::AbortOnBase64DecodingErrors);
                if (!decoded)
                    return bad("a path_base64 is no base64");
                m.path = decoded.decoded.toStdString();
            } else {
                m.path = o.value(QLatin1String("path")).toString().toStdString();
            }
            for (const char* key : {"device", "inode", "size", "mtime", "ctime"})
                if (!o.value(QLatin1String(key)).isDouble())
                    return bad(std::string("a file without its \"") + key + "\"");
            if (m.path.empty())
                return bad("a file without its path");
            platform::FileStamp& s = m.stamp;
            s.identity.device = static_cast<dev_t>(o.value(QLatin1String("device")).toInteger());
            s.identity.inode = static_cast<ino_t>(o.value(QLatin1String("inode")).toInteger());
            s.size = o.value(QLatin1String("size")).toInteger();
            s.modified = o.value(QLatin1String("mtime")).toInteger() * 1000000000 +
                         o.value(QLatin1String("mtime_nsec")).toInteger();
            s.changed = o.value(QLatin1String("ctime")).toInteger() * 1000000000 +
                        o.value(QLatin1String("ctime_nsec")).toInteger();
            m.reference = o.value(QLatin1String("reference")).toBool();
            group.push_back(std::move(m));
        }
        if (group.size() > 1)
            groups.push_back(std::move(group));
    }
    return true;
}
