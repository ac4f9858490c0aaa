/* dsPIC33C UART registers as the dsPIC33CK512MP608 family datasheet (DS70005452) lays them out:
   UxMODE (MOD 3:0, URXEN 4, UTXEN 5, ABAUD 6, BRGH 7, UTXBRK 8, BRKOVR 9, RXBIMD 11, WAKE 12,
   USIDL 13, UARTEN 15), UxMODEH (FLO 1:0, UTXINV 2, C0EN 3, STSEL 5:4, URXINV 6, RUNOVF 7,
   HALFDPLX 8, BCLKSEL 10:9, BCLKMOD 11, ACTIVE 14, SLPEN 15), UxBRG (BRG 15:0) and UxBRGH
   (BRG 19:16). Bit fields fill from the least significant bit, as in XC16. */
typedef union {
  struct { unsigned MOD : 4; unsigned URXEN : 1; unsigned UTXEN : 1; unsigned ABAUD : 1; unsigned BRGH : 1;
           unsigned UTXBRK : 1; unsigned BRKOVR : 1; unsigned : 1; unsigned RXBIMD : 1; unsigned WAKE : 1;
           unsigned USIDL : 1; unsigned : 1; unsigned UARTEN : 1; } bits;
  unsigned short value;
} UxMODE_t;
typedef union {
  struct { unsigned FLO : 2; unsigned UTXINV : 1; unsigned C0EN : 1; unsigned STSEL : 2; unsigned URXINV : 1;
           unsigned RUNOVF : 1; unsigned HALFDPLX : 1; unsigned BCLKSEL : 2; unsigned BCLKMOD : 1; unsigned : 2;
           unsigned ACTIVE : 1; unsigned SLPEN : 1; } bits;
  unsigned short value;
} UxMODEH_t;
#define UART_REGISTERS(u) \
  UxMODE_t u##MODE_r; UxMODEH_t u##MODEH_r; volatile unsigned short u##BRG; volatile unsigned short u##BRGH;
UART_REGISTERS(U1) UART_REGISTERS(U3)
#define U1MODE U1MODE_r.value
#define U1MODEH U1MODEH_r.value
#define U3MODE U3MODE_r.value
#define U3MODEH U3MODEH_r.value
#define REPORT(u)                                                                              \
  printf("BRGH=%u BCLKMOD=%u BCLKSEL=%u UARTEN=%u UTXEN=%u URXEN=%u MOD=%u BRG=%u\n",            \
         u##MODE_r.bits.BRGH, u##MODEH_r.bits.BCLKMOD, u##MODEH_r.bits.BCLKSEL,                 \
         u##MODE_r.bits.UARTEN, u##MODE_r.bits.UTXEN, u##MODE_r.bits.URXEN, u##MODE_r.bits.MOD, \
         (unsigned)((u##BRGH & 0xF) << 16 | u##BRG))
