// Encoding speed and chosen version at level L, ours against libqrencode on the same texts.
// Ours skips mask scoring (always pattern 0); libqrencode scores all eight masks.
#include "symbols/QrCode.h"

#include <QByteArray>
#include <QString>
#include <benchmark/benchmark.h>
#include <qrencode.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

struct Sample {
    const char* name;
    QByteArray text;  // UTF-8, no NUL bytes (libqrencode takes C strings)
};

QByteArray Repeat(const QByteArray& pattern, int length) {
    QByteArray text;
    while (text.size() < length) text += pattern;
    return text.left(length);
}

QByteArray RandomFrom(const QByteArray& alphabet, int length) {
    std::mt19937 random(static_cast<unsigned>(length));
    QByteArray text(length, '\0');
    for (char& c : text) c = alphabet[static_cast<int>(random() % alphabet.size())];
    return text;
}

const std::vector<Sample>& Samples() {
    static const std::vector<Sample> samples = {
        {"digits-20", RandomFrom("0123456789", 20)},
        {"digits-1000", RandomFrom("0123456789", 1000)},
        {"digits-7089", RandomFrom("0123456789", 7089)},
        {"alnum-60", RandomFrom("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ $%*+-./:", 60)},
        {"alnum-4296", RandomFrom("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ $%*+-./:", 4296)},
        {"url-90", "https://vellumark.example/bill/2026/06/WAYBILL-00012345?sender=ZHANG&amount=1234.50&cur=CNY"},
        {"waybill-mixed-400", Repeat("SF1234567890123 寄件人:张三 TEL 13800138000 ADDR 北京市海淀区 ", 400)},
        {"invoice-digits-in-alnum-1500", Repeat("INV-2026-000123456789012/AMOUNT 000001234.50 ", 1500)},
        {"chinese-40", QStringLiteral("收款人：上海某某贸易有限公司，开户行：中国工商银行上海分行营业部，金额").toUtf8()},
        {"chinese-984", Repeat(QStringLiteral("壹贰叁肆伍陆柒捌玖拾佰仟万亿元角分整").toUtf8(), 2952)},
        {"lowercase-2953", RandomFrom("abcdefghijklmnopqrstuvwxyz,;!?", 2953)},
    };
    return samples;
}

int OurVersion(const QByteArray& text) {
    const std::optional<QrSymbol> symbol = EncodeQr(reinterpret_cast<const uint8_t*>(text.constData()),
                                                    static_cast<int>(text.size()), 0, 1, -1, false);
    return symbol ? symbol->version : 0;
}

int QrencodeVersion(const QByteArray& text) {
    QRcode* code = QRcode_encodeString(text.constData(), 0, QR_ECLEVEL_L, QR_MODE_8, 1);
    const int version = code ? code->version : 0;
    QRcode_free(code);
    return version;
}

void Vellumark(benchmark::State& state, const Sample* sample) {
    for (auto _ : state) {
        std::optional<QrSymbol> symbol = EncodeQr(reinterpret_cast<const uint8_t*>(sample->text.constData()),
                                                  static_cast<int>(sample->text.size()), 0, 1, -1, false);
        benchmark::DoNotOptimize(symbol);
    }
    state.counters["version"] = OurVersion(sample->text);
    state.counters["bytes"] = static_cast<double>(sample->text.size());
}

void Libqrencode(benchmark::State& state, const Sample* sample) {
    for (auto _ : state) {
        QRcode* code = QRcode_encodeString(sample->text.constData(), 0, QR_ECLEVEL_L, QR_MODE_8, 1);
        benchmark::DoNotOptimize(code);
        QRcode_free(code);
    }
    state.counters["version"] = QrencodeVersion(sample->text);
    state.counters["bytes"] = static_cast<double>(sample->text.size());
}

// The versions both choose, and whether ours is ever the larger (it must not be).
void PrintVersionTable() {
    std::printf("%-30s %6s %10s %12s\n", "text", "bytes", "vellumark", "libqrencode");
    for (const Sample& sample : Samples()) {
        const int ours = OurVersion(sample.text);
        const int theirs = QrencodeVersion(sample.text);
        std::printf("%-30s %6lld %10d %12d%s\n", sample.name, static_cast<long long>(sample.text.size()), ours, theirs,
                    ours > theirs ? "   <- larger" : "");
    }
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
    PrintVersionTable();
    for (const Sample& sample : Samples()) {
        benchmark::RegisterBenchmark((std::string("QrEncode/") + sample.name + "/vellumark").c_str(), Vellumark, &sample);
        benchmark::RegisterBenchmark((std::string("QrEncode/") + sample.name + "/libqrencode").c_str(), Libqrencode, &sample);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
