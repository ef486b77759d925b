// Umbrella header of vo_share.dll: includes every public header of the library.
#pragma once

#include "VoDef.h"

#include "Checksum.h"
#include "FileVersion.h"
#include "Registry.h"
#include "Utf8Convert.h"
#include "VoHelpers.h"
#include "XmlTreeItem.h"
#include "XmlTreeCtrl.h"
#include "ConvertXml.h"
#include "WBitmap.h"
#include "Config.h"
#include "MultiConfig.h"
#include "Oem.h"
#include "XMLBase.h"
#include "HttpCommParam.h"
#include "HttpComm.h"
#include "MaskDraw.h"
#include "WImageList.h"
#include "MemDC.h"
#include "ImageShow.h"
