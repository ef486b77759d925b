// The constant names of mixer error codes and control types, for diagnostics.
#include <AudioControl.h>

namespace {

template <class Code>
struct CodeName {
    Code code;
    const wchar_t* name;
};

// The text of code in table, else fallback.
template <class Code, size_t N>
const wchar_t* NameOf(const CodeName<Code> (&table)[N], Code code, const wchar_t* fallback)
{
    for (const CodeName<Code>& entry : table) {
        if (entry.code == code)
            return entry.name;
    }
    return fallback;
}

// A code with the name of its constant (a narrow literal next to a wide one is wide).
#define VO_CODE_NAME(code)                                                                                             \
    {                                                                                                                  \
        code, L"" #code                                                                                                \
    }

const CodeName<unsigned int> kErrors[] = {
    VO_CODE_NAME(MMSYSERR_NOERROR),  VO_CODE_NAME(MMSYSERR_BADDEVICEID), VO_CODE_NAME(MMSYSERR_INVALHANDLE),
    VO_CODE_NAME(MMSYSERR_NODRIVER), VO_CODE_NAME(MMSYSERR_INVALFLAG),   VO_CODE_NAME(MMSYSERR_INVALPARAM),
    VO_CODE_NAME(WAVERR_BADFORMAT),  VO_CODE_NAME(MIXERR_INVALLINE),     VO_CODE_NAME(MIXERR_INVALCONTROL),
    VO_CODE_NAME(MIXERR_INVALVALUE),
};

const CodeName<unsigned long> kControlTypes[] = {
    VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_CUSTOM),         VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_BOOLEANMETER),
    VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_SIGNEDMETER),    VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_PEAKMETER),
    VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_UNSIGNEDMETER),  VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_BOOLEAN),
    VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_ONOFF),          VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_MUTE),
    VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_MONO),           VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_LOUDNESS),
    VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_STEREOENH),      VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_BUTTON),
    VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_DECIBELS),       VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_SIGNED),
    VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_UNSIGNED),       VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_PERCENT),
    VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_SLIDER),         VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_PAN),
    VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_QSOUNDPAN),      VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_FADER),
    VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_VOLUME),         VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_BASS),
    VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_TREBLE),         VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_EQUALIZER),
    VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_SINGLESELECT),   VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_MUX),
    VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_MULTIPLESELECT), VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_MIXER),
    VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_MICROTIME),      VO_CODE_NAME(MIXERCONTROL_CONTROLTYPE_MILLITIME),
};

#undef VO_CODE_NAME

} // namespace

const wchar_t* CAudioControl::mixGetErrorText(unsigned int nError)
{
    return NameOf(kErrors, nError, L"Undefined Error");
}

const wchar_t* CAudioControl::mixGetControlType(unsigned long dwControlType)
{
    return NameOf(kControlTypes, dwControlType, L"Unknown");
}
