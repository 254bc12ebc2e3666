#include "assets/Assets.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <stdexcept>

namespace klarvon {

std::vector<std::uint8_t> ReadAsset(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("Cannot open picture " + path);
    }
    const QByteArray bytes = file.readAll();
    // A resource has a known size; fewer bytes than that means the read failed.
    if (bytes.size() != file.size()) {
        throw std::runtime_error("Cannot read picture " + path);
    }
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

} // namespace klarvon
