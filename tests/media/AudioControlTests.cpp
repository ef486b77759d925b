// CAudioControl against a simulated sound card (through the mixer seam) and against Wine's own
// mixer, which has one destination per device and so can never be set up.
#include "SimulatedSoundCard.h"

#include <AudioControl.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

const wchar_t kAudioKey[] = L"Software\\Corvala\\Audio\\1.0";

void DeleteAudioKey()
{
    RegDeleteTreeW(HKEY_CURRENT_USER, kAudioKey);
}

// The DWORD value name of the audio key, -1 when it is missing or of another type.
long long StoredDevice(const wchar_t* name)
{
    DWORD value = 0;
    DWORD size = sizeof(value);
    return RegGetValueW(HKEY_CURRENT_USER, kAudioKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size) == ERROR_SUCCESS
               ? static_cast<long long>(value)
               : -1;
}

class AudioControlTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteAudioKey(); }
    void TearDown() override
    {
        m_card.reset();
        DeleteAudioKey();
    }

    // Installs the card built so far and makes the library's mixer on it.
    CAudioControl* Start()
    {
        m_card->Install();
        return CAudioControl::Instance();
    }

    std::unique_ptr<CSimulatedSoundCard> m_card = std::make_unique<CSimulatedSoundCard>();
    // Line IDs of the typical card: playback destination 0, recording destination 1.
    static constexpr DWORD kWave = 0x10000;
    static constexpr DWORD kPlayMic = 0x20000;
    static constexpr DWORD kLineIn = 0x10001;
    static constexpr DWORD kRecMic = 0x20001;
};

class TypicalCardTest : public AudioControlTest {
protected:
    void SetUp() override
    {
        AudioControlTest::SetUp();
        CSimulatedSoundCard::BuildTypical(*m_card);
        m_audio = Start();
    }
    CAudioControl* m_audio = nullptr;
};

TEST_F(TypicalCardTest, FirstUseStoresDeviceZeroReadsBothDestinationsAndRecordsFromTheMicrophone)
{
    EXPECT_EQ(0, StoredDevice(L"inputd"));
    EXPECT_EQ(0, StoredDevice(L"outputd"));
    ASSERT_TRUE(m_audio->m_bReady);
    EXPECT_EQ(m_audio->m_hMixerIn, m_audio->m_hMixerOut);
    EXPECT_EQ(1, m_card->OpenHandles());

    audio_port_details_t* pPorts = nullptr;
    ASSERT_EQ(3, m_audio->GetInputPortNames(&pPorts));
    std::unique_ptr<audio_port_details_t[]> inPorts(pPorts);
    EXPECT_EQ(CString(L"Microphone"), inPorts[1].strName);
    EXPECT_EQ(DWORD(MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE), inPorts[1].dwComponentType);
    EXPECT_EQ(kRecMic, inPorts[1].dwLineID);
    EXPECT_EQ(-1, inPorts[1].nVolume);
    ASSERT_EQ(3, m_audio->GetOutputPortNames(&pPorts));
    std::unique_ptr<audio_port_details_t[]> outPorts(pPorts);
    EXPECT_EQ(CString(L"CD Audio"), outPorts[2].strName);

    // The set-up records from the microphone and mutes its playback, but not the wave.
    EXPECT_EQ(1, m_card->SelectedItem(0, 1));
    EXPECT_EQ(0u, m_card->Value(0, kWave, MIXERCONTROL_CONTROLTYPE_MUTE));
    EXPECT_EQ(1u, m_card->Value(0, kPlayMic, MIXERCONTROL_CONTROLTYPE_MUTE));
    EXPECT_EQ(1u, m_card->Value(0, 0x30000, MIXERCONTROL_CONTROLTYPE_MUTE)); // CD Audio untouched
}

TEST_F(TypicalCardTest, VolumesReadAndWriteThePercentOfTheControlRangeAndNothingOutsideIt)
{
    EXPECT_EQ(50, m_audio->GetVolumn(0, L"")); // the master volume, 32768 of 65535
    EXPECT_EQ(50, m_audio->GetVolumn(0, nullptr));
    EXPECT_EQ(61, m_audio->GetVolumn(0, L"Wave")); // 40000 of 65535
    EXPECT_EQ(-1, m_audio->GetVolumn(0, L"Speaker"));
    EXPECT_EQ(50, m_audio->GetVolumn(1, L"")); // the recording source: the microphone
    EXPECT_EQ(25, m_audio->GetVolumn(1, L"Line In"));
    EXPECT_EQ(-1, m_audio->GetVolumn(1, L"Wave"));
    EXPECT_EQ(61, m_audio->GetVolumn2(0, MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE)); // always the wave port
    EXPECT_EQ(25, m_audio->GetVolumn2(1, MIXERLINE_COMPONENTTYPE_SRC_ANALOG));
    EXPECT_EQ(-1, m_audio->GetVolumn2(1, MIXERLINE_COMPONENTTYPE_SRC_SYNTHESIZER));

    m_audio->SetVolumn(0, L"ignored", 25);
    EXPECT_EQ(16383u, m_card->Value(0, 0, MIXERCONTROL_CONTROLTYPE_VOLUME));
    m_audio->SetVolumn(1, L"Line In", 100);
    EXPECT_EQ(65535u, m_card->Value(0, kLineIn, MIXERCONTROL_CONTROLTYPE_VOLUME));
    m_audio->SetVolumn2(1, 0, 1);
    EXPECT_EQ(0u, m_card->Value(0, kLineIn, MIXERCONTROL_CONTROLTYPE_VOLUME));
    m_audio->SetVolumn2(1, 10, 0);
    EXPECT_EQ(6553u, m_card->Value(0, kRecMic, MIXERCONTROL_CONTROLTYPE_VOLUME));
    m_audio->SetVolumn2(0, 100, 0);
    EXPECT_EQ(65535u, m_card->Value(0, kWave, MIXERCONTROL_CONTROLTYPE_VOLUME));

    const int calls = m_card->SetCalls();
    m_audio->SetVolumn(1, L"Line In", 101);
    m_audio->SetVolumn(1, L"Line In", -1);
    m_audio->SetVolumn(0, nullptr, 101);
    m_audio->SetVolumn2(0, -5, 0);
    m_audio->OpenInputPort(L"Line In", 101);
    EXPECT_EQ(calls + 1, m_card->SetCalls());                                  // only OpenInputPort's selection
    EXPECT_EQ(0u, m_card->Value(0, kLineIn, MIXERCONTROL_CONTROLTYPE_VOLUME)); // as SetVolumn2 left it
}

TEST_F(TypicalCardTest, OpenPortsSelectOneSourceOrUnmuteAndSetOnlyAVolumeInRange)
{
    m_audio->OpenInputPort(L"Line In", 40);
    EXPECT_EQ(0, m_card->SelectedItem(0, 1));
    EXPECT_EQ(26214u, m_card->Value(0, kLineIn, MIXERCONTROL_CONTROLTYPE_VOLUME));
    audio_port_details_t port;
    ASSERT_EQ(1, m_audio->GetInputLineInfo(port));
    EXPECT_EQ(CString(L"Line In"), port.strName);
    EXPECT_EQ(40, port.nVolume);

    m_audio->OpenInputPort(L"Microphone", -1);
    EXPECT_EQ(1, m_card->SelectedItem(0, 1));
    EXPECT_EQ(0x8000u, m_card->Value(0, kRecMic, MIXERCONTROL_CONTROLTYPE_VOLUME));
    m_audio->OpenInputPort(L"Telephone", 10);
    EXPECT_EQ(0, m_card->SelectedItem(0, 1));
    EXPECT_EQ(26214u, m_card->Value(0, kLineIn, MIXERCONTROL_CONTROLTYPE_VOLUME));

    m_audio->OpenInputPort(L"Microphone", -1);
    m_audio->OpenMusicInput();
    EXPECT_EQ(0, m_card->SelectedItem(0, 1));

    m_audio->OpenOutputPort(L"CD Audio", -1);
    EXPECT_EQ(0u, m_card->Value(0, 0x30000, MIXERCONTROL_CONTROLTYPE_MUTE));
    EXPECT_EQ(10000u, m_card->Value(0, 0x30000, MIXERCONTROL_CONTROLTYPE_VOLUME));
    m_audio->OpenOutputPort(L"Microphone", 150);
    EXPECT_EQ(0u, m_card->Value(0, kPlayMic, MIXERCONTROL_CONTROLTYPE_MUTE));
    EXPECT_EQ(20000u, m_card->Value(0, kPlayMic, MIXERCONTROL_CONTROLTYPE_VOLUME));
    m_audio->OpenOutputPort(L"Microphone", 0);
    EXPECT_EQ(0u, m_card->Value(0, kPlayMic, MIXERCONTROL_CONTROLTYPE_VOLUME));
}

TEST_F(TypicalCardTest, ClosedMixerFindsNothingAndInitOpensItAgain)
{
    EXPECT_EQ(-1, m_audio->Init());
    EXPECT_EQ(0, m_audio->Close());
    EXPECT_EQ(0, m_card->OpenHandles());
    EXPECT_TRUE(m_audio->m_bReady);
    EXPECT_EQ(0, m_audio->GetVolumn(0, nullptr));
    EXPECT_EQ(-1, m_audio->GetVolumn(0, L"Wave"));
    audio_port_details_t* pPorts = reinterpret_cast<audio_port_details_t*>(1);
    EXPECT_EQ(0, m_audio->GetInputPortNames(&pPorts));
    EXPECT_EQ(nullptr, pPorts);
    EXPECT_EQ(-1, m_audio->GetOutputPortNames(&pPorts));

    EXPECT_EQ(0, m_audio->Init());
    EXPECT_EQ(1, m_card->OpenHandles());
    EXPECT_EQ(61, m_audio->GetVolumn(0, L"Wave"));
}

TEST_F(AudioControlTest, MixerControlSelectionIsExclusiveAndNothingSelectedReadsAsItemZero)
{
    const int m = m_card->AddMixer(L"Mixing card");
    m_card->AddSource(m, m_card->AddPlayback(m, L"Out"), L"Wave", MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT);
    const int d = m_card->AddRecording(m, L"In", MIXERCONTROL_CONTROLTYPE_MIXER);
    m_card->AddSource(m, d, L"Line In", MIXERLINE_COMPONENTTYPE_SRC_ANALOG, 0x1000, 0xFFFF, false);
    m_card->AddSource(m, d, L"Mic", MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE, 0x2000, 0xFFFF, false);
    CAudioControl* pAudio = Start();
    std::vector<DWORD>& selection = m_card->Destination(m, d).controls.front().values;
    EXPECT_EQ(1, m_card->SelectedItem(m, d)); // the microphone, by set-up

    selection = {0, 0};
    audio_port_details_t port;
    ASSERT_EQ(1, pAudio->GetInputLineInfo(port));
    EXPECT_EQ(CString(L"Line In"), port.strName);
    selection = {1, 1};
    pAudio->OpenInputPort(L"Mic", -1);
    EXPECT_EQ(1, m_card->SelectedItem(m, d));
}

// Wine's own mixer has one destination and one source per device, like the simulated card here:
// the set-up fails, and every call answers as for a machine without a usable mixer, leaving
// nothing open and writing nothing.
TEST_F(AudioControlTest, MixerWithOneDestinationIsNotReadyAndFailsSoft)
{
    CAudioControl::Release();
    CAudioControl* pWine = CAudioControl::Instance();
    EXPECT_FALSE(pWine->m_bReady);
    EXPECT_EQ(nullptr, pWine->m_hMixerIn);
    EXPECT_EQ(0, pWine->Init()); // nothing was left open by the failed set-up
    pWine->OpenDefaultOutput();
    CStringArray names;
    pWine->GetDeviceNames(names, 0);
    for (int i = 0; i < names.GetSize(); ++i)
        EXPECT_FALSE(names[i].IsEmpty());

    const int m = m_card->AddMixer(L"Like Wine");
    m_card->AddSource(m, m_card->AddPlayback(m, L"Out"), L"Wave", MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT);
    m_card->m_waveIn.push_back({L"In"});
    CAudioControl* pAudio = Start();
    EXPECT_FALSE(pAudio->m_bReady);
    EXPECT_EQ(0, m_card->OpenHandles());
    EXPECT_EQ(0, pAudio->GetVolumn(0, nullptr));
    EXPECT_EQ(0, pAudio->GetVolumn2(1, MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE));
    pAudio->SetVolumn(0, nullptr, 10);
    pAudio->OpenOutputPort(L"Wave", 10);
    EXPECT_EQ(0, m_card->SetCalls());
    audio_port_details_t port;
    EXPECT_EQ(0, pAudio->GetInputLineInfo(port));
}

TEST_F(AudioControlTest, SeparateInputAndOutputDevicesAndSwitchingBetweenThem)
{
    for (const wchar_t* name : {L"Card A", L"Card B"}) {
        const int m = m_card->AddMixer(name);
        m_card->AddSource(m, m_card->AddPlayback(m, CString(name) + L" Out"), L"Wave",
                          MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT, m == 0 ? 6554 : 58982);
        m_card->AddSource(m, m_card->AddRecording(m, CString(name) + L" In"), L"Mic",
                          MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE, 0, 0xFFFF, false);
    }
    CAudioControl::SetRegKeyLong(HKEY_CURRENT_USER, kAudioKey, L"outputd", 1);
    CAudioControl* pAudio = Start();
    ASSERT_TRUE(pAudio->m_bReady);
    EXPECT_NE(pAudio->m_hMixerIn, pAudio->m_hMixerOut);
    EXPECT_EQ(2, m_card->OpenHandles());
    EXPECT_EQ(90, pAudio->GetVolumn(0, L"Wave"));
    CStringArray names;
    pAudio->GetDeviceNames(names, 1);
    ASSERT_EQ(2, names.GetSize());
    EXPECT_EQ(CString(L"Card B In"), names[1]);

    pAudio->SetCurrDevice(1, 1);
    EXPECT_EQ(1, StoredDevice(L"inputd"));
    EXPECT_EQ(pAudio->m_hMixerIn, pAudio->m_hMixerOut);
    EXPECT_EQ(1, m_card->OpenHandles());

    // The current number again writes nothing: a value changed behind its back stays.
    CAudioControl::SetRegKeyLong(HKEY_CURRENT_USER, kAudioKey, L"inputd", 7);
    pAudio->SetCurrDevice(1, 1);
    EXPECT_EQ(7, StoredDevice(L"inputd"));
    EXPECT_EQ(1, m_card->OpenHandles());
}

TEST_F(AudioControlTest, VanishedDeviceFailsSoftAndASwitchToItIsStillRemembered)
{
    CSimulatedSoundCard::BuildTypical(*m_card);
    const int other = m_card->AddMixer(L"USB headset");
    m_card->AddSource(other, m_card->AddPlayback(other, L"Headset Out"), L"Wave", MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT);
    m_card->AddSource(other, m_card->AddRecording(other, L"Headset In"), L"Mic",
                      MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE);
    CAudioControl* pAudio = Start();
    ASSERT_TRUE(pAudio->m_bReady);

    m_card->Mixer(0).bVanished = true;
    EXPECT_EQ(0, pAudio->GetVolumn(0, L"Wave"));
    audio_port_details_t port;
    EXPECT_EQ(0, pAudio->GetInputLineInfo(port));
    pAudio->OpenInputPort(L"Line In", 50);

    m_card->Mixer(other).bVanished = true;
    pAudio->SetCurrDevice(other, 0);
    EXPECT_FALSE(pAudio->m_bReady);
    EXPECT_EQ(other, StoredDevice(L"outputd"));
    EXPECT_EQ(0, pAudio->Init());
    EXPECT_FALSE(pAudio->m_bReady);

    m_card->Mixer(0).bVanished = false;
    m_card->Mixer(other).bVanished = false;
    pAudio->SetCurrDevice(0, 0);
    EXPECT_TRUE(pAudio->m_bReady);
}

TEST_F(AudioControlTest, DriverAnswersAreBoundedAndAFailedSetUpLeavesNoMixerOpen)
{
    CSimulatedSoundCard::BuildTypical(*m_card);
    SimLine& recording = m_card->Destination(0, 1);
    // A name that fills the whole field arrives without its terminating zero.
    const CString longName(L'n', MIXER_LONG_NAME_CHARS + 10);
    recording.sources[0].strName = longName;
    recording.controls.front().dwReportedItems = 100000;
    CAudioControl* pAudio = Start();
    ASSERT_TRUE(pAudio->m_bReady);
    EXPECT_EQ(CString(L'n', MIXER_LONG_NAME_CHARS), pAudio->m_pInPorts[0].strName);
    audio_port_details_t port;
    EXPECT_EQ(0, pAudio->GetInputLineInfo(port)); // a selector that big is not believed
    EXPECT_EQ(-1, pAudio->GetVolumn(1, nullptr));

    m_card->Destination(0, 0).dwReportedSources = 100000;
    pAudio->Close();
    EXPECT_EQ(0, pAudio->Init());
    EXPECT_FALSE(pAudio->m_bReady);
    EXPECT_EQ(0, m_card->OpenHandles());

    // A set-up that fails after opening leaves no mixer open, so Init can retry.
    m_card->Destination(0, 0).dwReportedSources = 3;
    recording.sources[2].bUnreadable = true;
    EXPECT_EQ(0, pAudio->Init());
    EXPECT_FALSE(pAudio->m_bReady);
    EXPECT_EQ(0, m_card->OpenHandles());
    EXPECT_EQ(nullptr, pAudio->m_hMixerIn);
    recording.sources[2].bUnreadable = false;
    EXPECT_EQ(0, pAudio->Init());
    EXPECT_TRUE(pAudio->m_bReady);
    EXPECT_EQ(3, pAudio->m_nInPorts);
}

TEST_F(AudioControlTest, RegistryValuesOfAnotherTypeAreReplacedByTheDefault)
{
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExW(HKEY_CURRENT_USER, kAudioKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
    const wchar_t text[] = L"12";
    RegSetValueExW(key, L"inputd", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof(text));
    RegCloseKey(key);
    int nIn = -1;
    int nOut = -1;
    EXPECT_EQ(0, CAudioControl::GetCurrDevice(nIn, nOut));
    EXPECT_EQ(0, nIn);
    EXPECT_EQ(0, StoredDevice(L"inputd"));
    EXPECT_EQ(5, CAudioControl::SetRegKeyLong(HKEY_CURRENT_USER, kAudioKey, L"outputd", 5));
    EXPECT_EQ(5, CAudioControl::GetRegKeyLong(HKEY_CURRENT_USER, kAudioKey, L"outputd", 9));

    const HKEY hNoKey = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x7654));
    EXPECT_EQ(-10, CAudioControl::SetRegKeyLong(hNoKey, L"x", L"y", 3));
    EXPECT_EQ(0, CAudioControl::GetRegKeyLong(hNoKey, L"x", L"y", 3));
}

} // namespace
