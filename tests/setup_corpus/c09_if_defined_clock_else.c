/* board.h normally picks the clock; FAST_CLOCK is not defined on rev B */
//#define FAST_CLOCK

#if defined(FAST_CLOCK)
#define FOSC 32000000UL
#elif defined(SLOW_CLOCK)
#define FOSC 4000000UL
#else
#define FOSC 8000000UL
#endif

#define BAUDRATE 19200UL

void comms_init(void)
{
    BAUDCON = 0x08;                          /* BRG16 */
    TXSTA   = 0x24;                          /* TXEN | BRGH */
    RCSTA   = 0x90;                          /* SPEN | CREN */
    SPBRGH  = ((FOSC / 4 / BAUDRATE) - 1) >> 8;
    SPBRG   = ((FOSC / 4 / BAUDRATE) - 1) & 0xFF;
}
