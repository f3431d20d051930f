# The extraction-only 7z library (7z with AES; LZMA, LZMA2, PPMd, BCJ, BCJ2, ARM and
# other branch filters, Delta, Deflate, BZip2, Copy), for mingw. Debian's source
# builds this bundle only with nmake; scripts/setup copies this file to
# CPP/7zip/Bundles/Format7zExtract/makefile.gcc and runs it there like
# Format7zF/makefile.gcc. The object list is the bundle's nmake list in gcc form.

PROG = 7zxa
DEF_FILE = ../../Archive/Archive2.def
IS_MINGW = 1

# The library travels inside every installer. Decoding in C (LZMA, LZMA2, AES, CRC,
# the branch filters, PPMd's model) keeps the bundle's -O2, as do the decoders written
# in C++ (listed at the end); the rest, which works a buffer at a time, is built for
# size. Unused functions and data go at link time, and abort() stands in for the
# default terminate handler, whose message no one sees and which brings the C++
# demangler (about 70 KB with its tables). No partial inlining: with function
# sections, gcc 12 puts the split-off part of some COM methods into a section that
# conflicts with the method's.
# C_PREFIX is the leading underscore of C symbols: "_" on 32-bit x86, empty on x86-64.
CFLAGS_BASE2 = -ffunction-sections -fdata-sections
CXXFLAGS_BASE2 = $(CFLAGS_BASE2) -fno-partial-inlining
CXXFLAGS_EXTRA = -Os
LDFLAGS_STATIC_3 = -Wl,--gc-sections -s \
  -Wl,--defsym,$(C_PREFIX)_ZN9__gnu_cxx27__verbose_terminate_handlerEv=$(C_PREFIX)abort

LOCAL_FLAGS = \
  -DZ7_EXTRACT_ONLY \

COMMON_OBJS = \
  $O/CRC.o \
  $O/CrcReg.o \
  $O/IntToString.o \
  $O/MyString.o \
  $O/MyVector.o \
  $O/NewHandler.o \
  $O/Sha256Prepare.o \
  $O/Sha256Reg.o \
  $O/StringConvert.o \
  $O/StringToInt.o \
  $O/Wildcard.o \

WIN_OBJS = \
  $O/PropVariant.o \
  $O/Synchronization.o \
  $O/System.o \

7ZIP_COMMON_OBJS = \
  $O/CreateCoder.o \
  $O/CWrappers.o \
  $O/InBuffer.o \
  $O/FilterCoder.o \
  $O/LimitedStreams.o \
  $O/MethodId.o \
  $O/MethodProps.o \
  $O/OutBuffer.o \
  $O/ProgressUtils.o \
  $O/PropId.o \
  $O/StreamBinder.o \
  $O/StreamObjects.o \
  $O/StreamUtils.o \
  $O/VirtThread.o \

AR_OBJS = \
  $O/ArchiveExports.o \
  $O/DllExports2.o \

AR_COMMON_OBJS = \
  $O/CoderMixer2.o \
  $O/HandlerOut.o \
  $O/ItemNameUtils.o \
  $O/OutStreamWithCRC.o \
  $O/ParseProperties.o \

7Z_OBJS = \
  $O/7zCompressionMode.o \
  $O/7zDecode.o \
  $O/7zExtract.o \
  $O/7zHandler.o \
  $O/7zHeader.o \
  $O/7zIn.o \
  $O/7zProperties.o \
  $O/7zRegister.o \

COMPRESS_OBJS = \
  $O/CodecExports.o \
  $O/Bcj2Coder.o \
  $O/Bcj2Register.o \
  $O/BcjCoder.o \
  $O/BcjRegister.o \
  $O/BitlDecoder.o \
  $O/BranchMisc.o \
  $O/BranchRegister.o \
  $O/ByteSwap.o \
  $O/BZip2Crc.o \
  $O/BZip2Decoder.o \
  $O/BZip2Register.o \
  $O/CopyCoder.o \
  $O/CopyRegister.o \
  $O/DeflateDecoder.o \
  $O/DeflateRegister.o \
  $O/DeltaFilter.o \
  $O/Lzma2Decoder.o \
  $O/Lzma2Register.o \
  $O/LzmaDecoder.o \
  $O/LzmaRegister.o \
  $O/LzOutWindow.o \
  $O/PpmdDecoder.o \
  $O/PpmdRegister.o \

CRYPTO_OBJS = \
  $O/7zAes.o \
  $O/7zAesRegister.o \
  $O/MyAes.o \
  $O/MyAesReg.o \

C_OBJS = \
  $O/7zCrc.o \
  $O/7zCrcOpt.o \
  $O/7zStream.o \
  $O/Aes.o \
  $O/AesOpt.o \
  $O/Alloc.o \
  $O/Bcj2.o \
  $O/Bra.o \
  $O/Bra86.o \
  $O/BraIA64.o \
  $O/CpuArch.o \
  $O/Delta.o \
  $O/Lzma2Dec.o \
  $O/Lzma2DecMt.o \
  $O/LzmaDec.o \
  $O/MtDec.o \
  $O/Ppmd7.o \
  $O/Ppmd7Dec.o \
  $O/Sha256.o \
  $O/Sha256Opt.o \
  $O/SwapBytes.o \
  $O/Threads.o \

OBJS = \
  $(C_OBJS) \
  $(COMMON_OBJS) \
  $(WIN_OBJS) \
  $(7ZIP_COMMON_OBJS) \
  $(AR_OBJS) \
  $(AR_COMMON_OBJS) \
  $(7Z_OBJS) \
  $(COMPRESS_OBJS) \
  $(CRYPTO_OBJS) \
  $O/resource.o \

include ../../7zip_gcc.mak

$O/BZip2Decoder.o $O/DeflateDecoder.o $O/LzOutWindow.o $O/PpmdDecoder.o: CXXFLAGS_EXTRA =
