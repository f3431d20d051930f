#pragma once
#include "ui/ComponentRegistry.h"

// The classes a page definition may name: the framework's own plus the skin engine's
// (TbsCompressedStoredSkin, TbsSkinData, TbsSkinCheckRadioBox, TbsSkinLinkLabel,
// TbsPngImageList, TbsPngImageStorage, TbsPngImageView).
const ComponentRegistry& SkinComponents();
