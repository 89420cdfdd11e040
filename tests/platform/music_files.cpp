#include "platform/music_files.h"

#include "support/wav_file.h"

#include <FLAC/stream_encoder.h>
#include <ogg/ogg.h>
#include <vorbis/vorbisenc.h>

#include <cstring>
#include <vector>

namespace {

std::vector<float> SineSamples(int ms)
{
    const std::string pcm = SinePcm(ms);
    std::vector<float> out(pcm.size() / 2);
    for (size_t i = 0; i < out.size(); ++i) {
        int16_t v;
        std::memcpy(&v, pcm.data() + 2 * i, 2);
        out[i] = v / 32768.0f;
    }
    return out;
}

void AppendPage(std::string& out, const ogg_page& page)
{
    out.append(reinterpret_cast<const char*>(page.header), size_t(page.header_len));
    out.append(reinterpret_cast<const char*>(page.body), size_t(page.body_len));
}

FLAC__StreamEncoderWriteStatus CollectFlac(const FLAC__StreamEncoder*, const FLAC__byte buffer[], size_t bytes,
                                           uint32_t, uint32_t, void* out)
{
    static_cast<std::string*>(out)->append(reinterpret_cast<const char*>(buffer), bytes);
    return FLAC__STREAM_ENCODER_WRITE_STATUS_OK;
}

}  // namespace

std::string SineOgg(int ms)
{
    const std::vector<float> samples = SineSamples(ms);
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 1, kWavRate, 0.1f) != 0) {
        vorbis_info_clear(&info);
        return "";
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);

    std::string out;
    ogg_packet header, commentHeader, codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page))
        AppendPage(out, page);

    float** buffer = vorbis_analysis_buffer(&dsp, int(samples.size()));
    std::memcpy(buffer[0], samples.data(), samples.size() * sizeof(float));
    vorbis_analysis_wrote(&dsp, int(samples.size()));
    vorbis_analysis_wrote(&dsp, 0);
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
        vorbis_analysis(&block, nullptr);
        vorbis_bitrate_addblock(&block);
        ogg_packet packet;
        while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
            ogg_stream_packetin(&stream, &packet);
            while (ogg_stream_pageout(&stream, &page))
                AppendPage(out, page);
        }
    }
    while (ogg_stream_flush(&stream, &page))
        AppendPage(out, page);

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

std::string SineFlac(int ms)
{
    const std::string pcm = SinePcm(ms);
    std::vector<FLAC__int32> samples(pcm.size() / 2);
    for (size_t i = 0; i < samples.size(); ++i) {
        int16_t v;
        std::memcpy(&v, pcm.data() + 2 * i, 2);
        samples[i] = v;
    }
    std::string out;
    FLAC__StreamEncoder* encoder = FLAC__stream_encoder_new();
    FLAC__stream_encoder_set_channels(encoder, 1);
    FLAC__stream_encoder_set_bits_per_sample(encoder, 16);
    FLAC__stream_encoder_set_sample_rate(encoder, kWavRate);
    FLAC__stream_encoder_set_total_samples_estimate(encoder, samples.size());
    bool ok = FLAC__stream_encoder_init_stream(encoder, CollectFlac, nullptr, nullptr, nullptr, &out) ==
              FLAC__STREAM_ENCODER_INIT_STATUS_OK;
    ok = ok && FLAC__stream_encoder_process_interleaved(encoder, samples.data(), uint32_t(samples.size()));
    ok = FLAC__stream_encoder_finish(encoder) && ok;
    FLAC__stream_encoder_delete(encoder);
    return ok ? out : "";
}

std::string SilentMp3(int ms)
{
    // MPEG-1 layer III, 128 kbit/s, 44100 Hz, mono, no CRC: 417-byte frames of
    // 1152 samples. Zero side information and main data decode to silence.
    constexpr int kFrameBytes = 144 * 128000 / 44100;
    constexpr int kFrameSamples = 1152;
    const int frames = (ms * 44100 / 1000 + kFrameSamples - 1) / kFrameSamples;
    std::string out;
    for (int i = 0; i < frames; ++i) {
        std::string frame(kFrameBytes, '\0');
        frame[0] = char(0xFF);
        frame[1] = char(0xFB);
        frame[2] = char(0x90);
        frame[3] = char(0xC0);
        out += frame;
    }
    return out;
}
