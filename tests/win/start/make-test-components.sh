#!/usr/bin/env bash
# Makes the components the Kindel tests put on the stick, from a freshly built DLL and a throwaway
# code-signing root made on the spot (its keys never leave the build folder):
#   signed.dll         signed by a certificate that names the component's publisher
#   other.dll          signed under the same root by another publisher
#   unsigned.dll       the DLL as built
#   tampered.dll       signed.dll with one byte of code changed after signing
#   truncated.dll      signed.dll cut short
#   wrong-machine.dll  the DLL marked for the other x86 machine type, then signed like signed.dll
#   root.cer           the root certificate (DER), for the tests to trust and distrust
#
#   make-test-components.sh DLL OUTPUT_FOLDER PUBLISHER
set -euo pipefail
dll=$(realpath "$1"); out=$2; publisher=$3
rm -rf "$out"; mkdir -p "$out"; cd "$out"

openssl_quiet() { openssl "$@" 2>/dev/null; }
cat >ext.cnf <<'CNF'
[root]
basicConstraints=critical,CA:true
keyUsage=critical,keyCertSign,cRLSign
subjectKeyIdentifier=hash
[signer]
basicConstraints=critical,CA:false
keyUsage=critical,digitalSignature
extendedKeyUsage=codeSigning
subjectKeyIdentifier=hash
authorityKeyIdentifier=keyid
CNF
openssl_quiet req -x509 -newkey rsa:2048 -nodes -keyout root.key -out root.pem -days 3650 \
  -subj "/O=Test Code Signing Root/CN=Test Code Signing Root" -extensions root -config <(cat /etc/ssl/openssl.cnf ext.cnf)
openssl x509 -in root.pem -outform DER -out root.cer
issue() {  # name subject
  openssl_quiet req -newkey rsa:2048 -nodes -keyout "$1.key" -out "$1.csr" -subj "$2"
  openssl_quiet x509 -req -in "$1.csr" -CA root.pem -CAkey root.key -CAcreateserial -days 3650 \
    -extfile ext.cnf -extensions signer -out "$1.pem"
}
issue publisher "/C=US/O=$publisher/CN=$publisher"
issue other "/C=US/O=Someone Else/CN=Someone Else"
sign() {  # signer input output
  osslsigncode sign -certs "$1.pem" -key "$1.key" -h sha256 -n "component" -in "$2" -out "$3" >/dev/null
}

cp "$dll" unsigned.dll
sign publisher unsigned.dll signed.dll
sign other unsigned.dll other.dll

# One byte of the first section's data, well past the headers the signature leaves out.
cp signed.dll tampered.dll
first_section=$(( 0x400 + 16 ))
byte=$(od -An -tu1 -j "$first_section" -N1 tampered.dll | tr -d ' ')
printf "$(printf '\\%03o' $(( byte ^ 0xff )))" | dd of=tampered.dll bs=1 seek="$first_section" conv=notrunc status=none

head -c $(( $(stat -c %s signed.dll) / 2 )) signed.dll >truncated.dll

# The COFF header's machine field: i386 (0x14c) <-> x86-64 (0x8664).
cp unsigned.dll wrong-machine-unsigned.dll
pe=$(od -An -tu4 -j 60 -N4 wrong-machine-unsigned.dll | tr -d ' ')
machine=$(od -An -tx2 -j $(( pe + 4 )) -N2 wrong-machine-unsigned.dll | tr -d ' ')
case "$machine" in
  8664) other_machine='\x4c\x01' ;;
  014c) other_machine='\x64\x86' ;;
  *) echo "unexpected machine type $machine in $dll" >&2; exit 1 ;;
esac
printf "$other_machine" | dd of=wrong-machine-unsigned.dll bs=1 seek=$(( pe + 4 )) conv=notrunc status=none
sign publisher wrong-machine-unsigned.dll wrong-machine.dll
rm -f wrong-machine-unsigned.dll ./*.csr ./*.srl
