// Callers and selectors of host facilities this plug-in does not use but must answer.
#pragma once

constexpr char kActionCaller[] = "Action Manager";
constexpr char kDoActionSelector[] = "Do Action";

constexpr char kAIFilterCaller[] = "AI Filter";
constexpr char kAIGetFilterParametersSelector[] = "AI Get Parameters";
constexpr char kAIGoFilterSelector[] = "AI Go";

constexpr char kAIPluginGroupCaller[] = "AI Plugin Group";
constexpr char kAIPluginGroupNotifySelector[] = "AI Notify Edits";
constexpr char kAIPluginGroupUpdateSelector[] = "AI Update";

constexpr char kAIFileFormatCaller[] = "AI File Format";
constexpr char kAIGetFileFormatParametersSelector[] = "AI Get Parameters";
constexpr char kAIGoFileFormatSelector[] = "AI Go";
constexpr char kAICheckFileFormatSelector[] = "AI Check";
constexpr char kAIUpdateFileFormatSelector[] = "AI Update AI140";
constexpr char kAIFileFormatDoActionSelector[] = "Do Action";

constexpr char kAILiveEffectCaller[] = "AI Live Effect";
constexpr char kAIEditLiveEffectParamsSelector[] = "AI Live Effect Edit Parameters";
constexpr char kAIGoLiveEffectSelector[] = "AI Live Effect Go Live";
constexpr char kAILiveEffectInterpolateSelector[] = "AI Live Effect Interpolate Parameters";
constexpr char kAILiveEffectInputTypeSelector[] = "AI Live Effect Input Type";
constexpr char kAILiveEffectConvertColorSelector[] = "AI Live Effect Convert Color Space";
constexpr char kAILiveEffectScaleParamSelector[] = "AI Live Effect Scale Parameters";
constexpr char kAILiveEffectAdjustColorsSelector[] = "AI Live Effect Adjust Colors";
constexpr char kAILiveEffectHandleMergeSelector[] = "AI Live Effect Handle Merge";

constexpr char kAITimerCaller[] = "AI Timer";
constexpr char kAIGoTimerSelector[] = "AI Go";

constexpr char kAIClipboardCaller[] = "AI Clipboard";
constexpr char kAIGoClipboardSelector[] = "AI Go";
constexpr char kAICanCopyClipboardSelector[] = "AI Can Copy";
constexpr char kAICloneClipboardSelector[] = "AI Clone";
constexpr char kAIDisposeClipboardSelector[] = "AI Dispose";

constexpr char kAIWorkspaceCaller[] = "Workspace Manager";
constexpr char kAIWSWriteSelector[] = "Write Workspace";
constexpr char kAIWSRestoreSelector[] = "Restore Workspace";
constexpr char kAIWSDefaultSelector[] = "Default Workspace";
