#pragma once

#include <QByteArray>
#include <QIODevice>

#include <algorithm>
#include <cstring>

// Hands out the first bytes of its data, then fails like a broken disk: the
// readers must report that, not take it for the end of a short file.
class FailingDevice : public QIODevice {
public:
    FailingDevice(QByteArray data, qint64 failAfter) : data_(std::move(data)), failAfter_(failAfter)
    {
        open(QIODevice::ReadOnly);
    }

protected:
    qint64 readData(char* out, qint64 max) override
    {
        if (pos_ >= failAfter_) {
            setErrorString(QStringLiteral("Input/output error"));
            return -1;
        }
        const qint64 n = std::min({max, failAfter_ - pos_, qint64(data_.size()) - pos_});
        std::memcpy(out, data_.constData() + pos_, size_t(n));
        pos_ += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }
    bool isSequential() const override { return true; }

private:
    QByteArray data_;
    qint64 failAfter_;
    qint64 pos_ = 0;
};
