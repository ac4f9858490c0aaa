/* PIC18 UART registers as the PIC18F27/47/57Q43 datasheet (DS40002147) lays them out: UxCON0
   (MODE 3:0, RXEN 4, TXEN 5, ABDEN 6, BRGS 7), UxCON1 (SENDB 0, BRKOVR 1, RXBIMD 3, WUE 4, ON 7),
   UxBRGL and UxBRGH. Bit fields fill from the least significant bit, as in XC8. */
typedef union {
  struct { unsigned MODE : 4; unsigned RXEN : 1; unsigned TXEN : 1; unsigned ABDEN : 1; unsigned BRGS : 1; } bits;
  unsigned char value;
} UxCON0_t;
typedef union {
  struct { unsigned SENDB : 1; unsigned BRKOVR : 1; unsigned : 1; unsigned RXBIMD : 1; unsigned WUE : 1; unsigned : 2; unsigned ON : 1; } bits;
  unsigned char value;
} UxCON1_t;
#define UART_REGISTERS(u) \
  UxCON0_t u##CON0_r; UxCON1_t u##CON1_r; volatile unsigned char u##BRGL; volatile unsigned char u##BRGH;
UART_REGISTERS(U1) UART_REGISTERS(U2) UART_REGISTERS(U5)
#define U1CON0 U1CON0_r.value
#define U1CON1 U1CON1_r.value
#define U2CON0 U2CON0_r.value
#define U2CON1 U2CON1_r.value
#define U5CON0 U5CON0_r.value
#define U5CON1 U5CON1_r.value
#define REPORT(u)                                                                              \
  printf("BRGS=%u TXEN=%u RXEN=%u MODE=%u ON=%u BRG=%u\n", u##CON0_r.bits.BRGS,                \
         u##CON0_r.bits.TXEN, u##CON0_r.bits.RXEN, u##CON0_r.bits.MODE, u##CON1_r.bits.ON,     \
         (unsigned)(u##BRGH << 8 | u##BRGL))
